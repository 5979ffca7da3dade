// The least a Qt program does to write a picture: fill an image of the
// given size and save it as PNG. The anchor of wendle-cli render.
//
//   anchor-fill-and-save WIDTH HEIGHT OUT.png
#include <QImage>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    QImage image(std::atoi(argv[1]), std::atoi(argv[2]), QImage::Format_RGB32);
    image.fill(0xFFC0C0C0u);
    return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
