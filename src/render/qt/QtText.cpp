#include "render/qt/QtText.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <tuple>

#include "render/Raster.h"
#include "render/Typeface.h"
#include "render/qt/RasterImage.h"

namespace wendle {

namespace {

constexpr QRgb kBlank = 0xFF000000u;
constexpr QRgb kInked = 0xFFFFFFFFu;

class QtCaptionFont : public CaptionFont {
  public:
    explicit QtCaptionFont(const QFont& font) : font_(font), metrics_(font) {}

    int ascent() const override { return metrics_.ascent(); }
    int height() const override { return metrics_.height(); }
    int advance(const QString& text) const override { return metrics_.horizontalAdvance(text); }

    bool ink(const std::vector<CaptionLine>& lines, int width, int height,
             std::vector<InkRun>& runs) const override {
        // The same pixel format and painter calls as drawing straight onto a
        // face, so the covered pixels are the same ones. The image is kept
        // for the next mask of the same size (a bar's faces mostly share
        // theirs), and with it the paint engine the painter would otherwise
        // build anew.
        thread_local QImage image;
        if (image.width() != width || image.height() != height)
            image = QImage(width, height, QImage::Format_RGB32);
        image.fill(kBlank);
        {
            QPainter painter(&image);
            painter.setFont(font_);
            painter.setPen(QColor(255, 255, 255));
            for (const CaptionLine& line : lines)
                painter.drawText(QPoint(line.x, line.top + metrics_.ascent()), line.text);
        }
        // Most rows of a face hold no ink at all; comparing them with a blank
        // row whole is several times quicker than looking at each pixel.
        thread_local std::vector<QRgb> blankRow;
        blankRow.resize(std::size_t(width), kBlank);
        const std::size_t rowBytes = std::size_t(width) * sizeof(QRgb);
        for (int y = 0; y < height; ++y) {
            const QRgb* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            if (std::memcmp(pixels, blankRow.data(), rowBytes) == 0)
                continue;
            int x = 0;
            while (x < width) {
                if (pixels[x] == kBlank) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < width && pixels[x] == kInked) ++x;
                if (x == start)
                    return false;  // a partly covered pixel
                runs.push_back(InkRun{y, start, x});
            }
        }
        return true;
    }

    void draw(Raster& raster, const std::vector<CaptionLine>& lines, int x, int y, const Rect& clip,
              Colour colour) const override {
        const Rect& area = raster.area();
        const Rect inside = clip.intersected(area);
        if (inside.empty())
            return;
        QImage image = imageOver(raster);
        QPainter painter(&image);
        painter.translate(-area.left, -area.top);
        painter.setClipRect(QRect(inside.left, inside.top, inside.width(), inside.height()));
        painter.setFont(font_);
        painter.setPen(QColor(redOf(colour), greenOf(colour), blueOf(colour)));
        for (const CaptionLine& line : lines)
            painter.drawText(QPoint(x + line.x, y + line.top + metrics_.ascent()), line.text);
    }

  private:
    QFont font_;
    QFontMetrics metrics_;
};

}  // namespace

QFont previewFont(const char* typeface, int points, int style) {
    QFont font(QString::fromLatin1(typeface));
    font.setPixelSize(std::max(1, pixelSizeForPoints(points)));
    font.setItalic(style == kItalic);
    font.setBold(style == kBold);
    font.setKerning(false);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    return font;
}

QtTextEngine& QtTextEngine::instance() {
    static QtTextEngine engine;
    return engine;
}

std::shared_ptr<const CaptionFont> QtTextEngine::font(const char* typeface, int points, int style) {
    static std::mutex mutex;
    static std::map<std::tuple<std::string, int, int>, std::shared_ptr<const CaptionFont>> fonts;
    const std::lock_guard lock(mutex);
    auto& font = fonts[std::make_tuple(std::string(typeface), points, style)];
    if (!font)
        font = std::make_shared<QtCaptionFont>(previewFont(typeface, points, style));
    return font;
}

void installQtTextEngine() {
    installTextEngine(&QtTextEngine::instance());
}

}  // namespace wendle
