#include "PictureFiles.h"

#include <gif_lib.h>

#include <sys/stat.h>

#include <QPainter>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

#include "IndexedImage.h"

namespace wendle::content {

namespace {

int bitsFor(std::size_t colours) {
    int bits = 1;
    while ((std::size_t(1) << bits) < colours) ++bits;
    return bits;
}

std::string gifProblem(const std::string& path, int error) {
    return path + ": " + GifErrorString(error);
}

// Every picture that ships is readable by everyone: pages are served by
// another account than the one that made them, and giflib creates its
// files for their owner alone.
std::string readableByAll(const std::string& path) {
    if (::chmod(path.c_str(), 0644) != 0)
        return path + ": " + std::strerror(errno);
    return {};
}

}  // namespace

std::string writeGif(const QImage& picture, const std::string& path) {
    const IndexedImage indexed = quantise(picture);
    const int bits = bitsFor(indexed.palette.size());
    std::vector<GifColorType> colours(std::size_t(1) << bits, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < indexed.palette.size(); ++i) {
        colours[i] = GifColorType{GifByteType(qRed(indexed.palette[i])),
                                  GifByteType(qGreen(indexed.palette[i])),
                                  GifByteType(qBlue(indexed.palette[i]))};
    }

    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (!gif)
        return gifProblem(path, error);
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
        GifMakeMapObject(int(colours.size()), colours.data()), GifFreeMapObject);
    EGifSetGifVersion(gif, true);
    bool ok =
        map && EGifPutScreenDesc(gif, indexed.width, indexed.height, bits, 0, map.get()) == GIF_OK;
    if (ok && indexed.transparentIndex >= 0) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.UserInputFlag = false;
        control.DelayTime = 0;
        control.TransparentColor = indexed.transparentIndex;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(std::size_t(indexed.width));
    for (int y = 0; ok && y < indexed.height; ++y) {
        const auto* start = indexed.indices.data() + std::size_t(y) * std::size_t(indexed.width);
        std::copy(start, start + indexed.width, row.begin());
        ok = EGifPutLine(gif, row.data(), indexed.width) == GIF_OK;
    }
    const int failure = ok ? 0 : gif->Error;
    if (EGifCloseFile(gif, &error) != GIF_OK && ok)
        return gifProblem(path, error);
    return ok ? readableByAll(path) : gifProblem(path, failure);
}

std::string writeJpeg(const QImage& picture, const std::string& path, int quality) {
    QImage flat(picture.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return path + ": cannot be written";
    jpeg_compress_struct compress{};
    jpeg_error_mgr errors{};
    // libjpeg's own error handler ends the tool with its message: a build
    // step that cannot write its pictures has nothing better to do.
    compress.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compress);
    jpeg_stdio_dest(&compress, file);
    compress.image_width = JDIMENSION(flat.width());
    compress.image_height = JDIMENSION(flat.height());
    compress.input_components = 3;
    compress.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compress);
    jpeg_set_quality(&compress, quality, TRUE);
    jpeg_start_compress(&compress, TRUE);
    while (compress.next_scanline < compress.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(flat.constScanLine(int(compress.next_scanline)));
        jpeg_write_scanlines(&compress, &row, 1);
    }
    jpeg_finish_compress(&compress);
    jpeg_destroy_compress(&compress);
    if (std::fclose(file) != 0)
        return path + ": cannot be written";
    return readableByAll(path);
}

std::string writePng(const QImage& picture, const std::string& path) {
    if (!picture.save(QString::fromStdString(path), "PNG"))
        return path + ": cannot be written";
    return readableByAll(path);
}

}  // namespace wendle::content
