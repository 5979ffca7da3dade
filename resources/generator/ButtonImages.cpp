#include "ButtonImages.h"

#include "ButtonArt.h"
#include "PictureFiles.h"
#include "SmallArt.h"
#include "Tiles.h"

namespace wendle::content {

namespace {

struct Named {
    const char* name;
    QColor colour;
};

// Deep enough that a white caption reads on every look of every picture,
// the lighter one under the pointer included.
const QColor kBlue(30, 72, 140), kGreen(30, 100, 30), kRed(160, 30, 30), kOrange(150, 70, 0),
    kPurple(100, 40, 150), kTeal(0, 95, 95), kGrey(122, 127, 135), kBlack(40, 42, 48),
    kSilver(184, 190, 198), kWhite(250, 250, 250), kYellow(240, 200, 40), kGold(212, 160, 23);

// Every face picture is the size of a new button's face on a bar, so that
// "Center" and "Resize" both show it unchanged.
const QSize kFace(110, 30);

using Drawing = QImage (*)(QSize, QColor, Press);

// name.ext, name-over.ext and name-down.ext of one button.
void addButton(std::vector<ButtonImage>& out, const std::string& stem, const char* extension,
               Drawing drawing, QColor colour) {
    const struct {
        const char* suffix;
        Press press;
    } looks[] = {{"", Press::Up}, {"-over", Press::Over}, {"-down", Press::Down}};
    for (const auto& look : looks) {
        const Press press = look.press;
        out.push_back(
            {stem + look.suffix + extension, [=] { return drawing(kFace, colour, press); }});
    }
}

void addButtons(std::vector<ButtonImage>& out, const char* family, const char* extension,
                Drawing drawing, std::initializer_list<Named> colours) {
    for (const Named& colour : colours) {
        addButton(out, std::string(family) + "-" + colour.name, extension, drawing, colour.colour);
    }
}

}  // namespace

std::vector<ButtonImage> buttonImages() {
    std::vector<ButtonImage> out;
    addButtons(
        out, "plain", ".gif", plainButton,
        {{"blue", kBlue}, {"green", kGreen}, {"red", kRed}, {"grey", kGrey}, {"purple", kPurple}});
    // Rounded, glossy and pill pictures light their colour up towards the
    // top; they start deeper, so a white caption reads over the light part.
    addButtons(out, "rounded", ".gif", roundedButton,
               {{"blue", kBlue.darker(125)},
                {"green", kGreen.darker(125)},
                {"orange", kOrange.darker(125)},
                {"purple", kPurple.darker(125)},
                {"teal", kTeal.darker(125)},
                {"grey", kGrey}});
    addButtons(out, "glossy", ".jpg", glossyButton,
               {{"blue", kBlue.darker(135)},
                {"black", kBlack},
                {"silver", kSilver},
                {"red", kRed.darker(135)},
                {"green", kGreen.darker(135)},
                {"orange", kOrange.darker(135)}});
    addButtons(out, "pill", ".gif", pillButton,
               {{"blue", kBlue.darker(185)},
                {"purple", kPurple.darker(185)},
                {"green", kGreen.darker(185)},
                {"orange", kOrange.darker(185)}});
    const struct {
        const char* name;
        Direction direction;
    } directions[] = {{"left", Direction::Left},
                      {"right", Direction::Right},
                      {"up", Direction::Up},
                      {"down", Direction::Down}};
    for (const auto& direction : directions) {
        for (const Named& colour :
             {Named{"white", kWhite}, Named{"black", kBlack}, Named{"blue", kBlue}}) {
            const Direction d = direction.direction;
            const QColor c = colour.colour;
            out.push_back({std::string("arrow-") + direction.name + "-" + colour.name + ".gif",
                           [=] { return arrow(16, c, d); }});
        }
    }

    const struct {
        const char* name;
        QColor colour;
        BulletShape shape;
    } bullets[] = {{"bullet-red.gif", kRed, BulletShape::Ball},
                   {"bullet-green.gif", kGreen, BulletShape::Ball},
                   {"bullet-blue.gif", kBlue, BulletShape::Ball},
                   {"bullet-yellow.gif", kYellow, BulletShape::Ball},
                   {"bullet-purple.gif", kPurple, BulletShape::Ball},
                   {"bullet-square-orange.gif", kOrange, BulletShape::Square},
                   {"bullet-diamond-teal.gif", kTeal, BulletShape::Diamond},
                   {"bullet-star-gold.gif", kGold, BulletShape::Star},
                   {"bullet-tick-green.gif", kGreen, BulletShape::Tick}};
    for (const auto& b : bullets) {
        const QColor c = b.colour;
        const BulletShape shape = b.shape;
        out.push_back({b.name, [=] { return bullet(12, c, shape); }});
    }

    out.push_back({"tile-paper.jpg", [] { return paperTile(64, QColor(242, 236, 222)); }});
    out.push_back({"tile-stripes-blue.gif",
                   [] { return stripeTile(32, QColor(40, 80, 150), QColor(52, 96, 170)); }});
    out.push_back({"tile-checks-grey.gif",
                   [] { return checkTile(32, QColor(226, 228, 232), QColor(240, 241, 244)); }});
    out.push_back({"tile-dots-purple.gif",
                   [] { return dotTile(24, QColor(72, 36, 110), QColor(98, 56, 142)); }});
    out.push_back({"tile-marble.jpg", [] { return marbleTile(128); }});
    out.push_back({"tile-metal.jpg", [] { return brushedMetalTile(128, 32); }});
    out.push_back({"tile-wood.jpg", [] { return woodTile(128, 64); }});
    out.push_back({"tile-water.jpg", [] { return waterTile(128, 64); }});
    out.push_back({"background-sky.jpg", [] { return skyScene(480, 64); }});
    out.push_back({"background-sunset.jpg", [] { return sunsetScene(480, 64); }});
    return out;
}

std::vector<std::string> writeButtonImages(const std::string& folder) {
    std::vector<std::string> problems;
    for (const ButtonImage& image : buttonImages()) {
        const std::string path = folder + image.name;
        const bool jpeg = image.name.ends_with(".jpg");
        const std::string problem =
            jpeg ? writeJpeg(image.draw(), path) : writeGif(image.draw(), path);
        if (!problem.empty())
            problems.push_back(problem);
    }
    return problems;
}

}  // namespace wendle::content
