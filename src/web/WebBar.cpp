#include "web/WebBar.h"

#include <algorithm>
#include <numeric>

#include "document/PublishFiles.h"
#include "render/AppletPainter.h"
#include "render/CanvasDrawing.h"
#include "render/VelkFormCanvas.h"
#include "render/VelkPanelFace.h"
#include "render/VelkTextBoxDrawing.h"
#include "render/Windows1252.h"
#include "render/qt/RasterImage.h"
#include "web/HtmlText.h"

namespace wendle::web {

namespace {

// The page never shows the editor's selection marks. The faces' flags are
// cleared while the bar is drawn and set again afterwards, without telling
// the editor's views, whose selection does not change.
class SelectionHidden {
  public:
    explicit SelectionHidden(TVelkForm& applet) : applet_(applet) { setAll(false); }
    ~SelectionHidden() { setAll(true); }
    SelectionHidden(const SelectionHidden&) = delete;
    SelectionHidden& operator=(const SelectionHidden&) = delete;

  private:
    void setAll(bool selected) {
        for (const int slot : applet_.selectedSlots()) {
            for (int state = 1; state <= kStateCount; ++state) {
                if (TVelkPanel* panel = applet_.statePanel(state, slot)) {
                    panel->setSelected(selected);
                    panel->setModified(true);
                }
            }
        }
    }
    TVelkForm& applet_;
};

Rect faceBounds(const TVelkPanel& face) {
    return Rect::fromSize(face.left(), std::int64_t(face.top()) - kToolBarStrip, face.width(),
                          face.height());
}

// The whole face with its caption, over the canvas where it is transparent.
QImage drawWholeFace(TVelkPanel& face, const CanvasDrawing& canvas) {
    Raster raster;
    if (face.width() <= 0 || face.height() <= 0 || !raster.setArea(faceBounds(face)))
        return {};
    raster.draw(canvas.canvasRaster, 0, 0);
    paintFace(face, canvas.canvasRaster, canvas.generation, raster);
    return copyToImage(raster);
}

// The text box showing text instead of its caption, as the preview draws
// its caption.
QImage drawTextBoxWith(TVelkForm& applet, const std::string& text) {
    TvelkTextBox& box = applet.textBox();
    Raster raster;
    if (!raster.setSize(box.width, box.height))
        return {};
    const std::string caption = box.caption;
    box.caption = text;
    drawTextBox(applet, raster);
    box.caption = caption;
    return copyToImage(raster);
}

// A text the model pads with one blank when empty counts as no text.
std::string textOf(const std::string& modelText) {
    return singleLine(windows1252ToUtf8(modelText));
}

// A sound the page may load: a plain file name that does not hide itself.
std::string soundOf(const TVelkPanel* panel) {
    if (!panel)
        return {};
    const std::string name = document::fileSystemName(panel->soundName());
    if (!document::isPlainFileName(name) || name.front() == '.' || singleLine(name).empty())
        return {};
    return name;
}

// Top to bottom; buttons whose tops lie within the first one's height form
// a row, read left to right.
std::vector<int> readingOrder(const std::vector<WebButton>& buttons) {
    std::vector<int> byTop(buttons.size());
    std::iota(byTop.begin(), byTop.end(), 0);
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) {
        const Rect &ra = buttons[a].bounds, &rb = buttons[b].bounds;
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    std::vector<int> order;
    for (std::size_t start = 0; start < byTop.size();) {
        std::size_t end = start + 1;
        const int rowBottom = buttons[byTop[start]].bounds.bottom;
        while (end < byTop.size() && buttons[byTop[end]].bounds.top < rowBottom) ++end;
        std::stable_sort(byTop.begin() + long(start), byTop.begin() + long(end), [&](int a, int b) {
            return buttons[a].bounds.left < buttons[b].bounds.left;
        });
        order.insert(order.end(), byTop.begin() + long(start), byTop.begin() + long(end));
        start = end;
    }
    return order;
}

int downTo(int value, int grid) {
    return value >= 0 ? value / grid * grid : -((-value + grid - 1) / grid * grid);
}

int upTo(int value, int grid) {
    return -downTo(-value, grid);
}

// The part of a button that shows: its box less the boxes in front of it
// and the text box, which lies over every face.
bool showsAt(const std::vector<WebButton>& buttons, std::size_t n,
             const std::optional<Rect>& textBox, int x, int y) {
    const WebButton& own = buttons[n];
    if (!own.shown.contains(x, y) || (textBox && textBox->contains(x, y)))
        return false;
    for (std::size_t m = 0; m < buttons.size(); ++m) {
        if (m != n && buttons[m].layer > own.layer && buttons[m].shown.contains(x, y))
            return false;
    }
    return true;
}

// The bar at rest in patch, with the button's visible part taken from the
// bar drawn in another state. None when nothing differs from the rest.
std::optional<QImage> patchOf(const QImage& rest, const QImage& state,
                              const std::vector<WebButton>& buttons, std::size_t n,
                              const std::optional<Rect>& textBox) {
    const Rect& patch = buttons[n].patch;
    QImage picture = rest.copy(patch.left, patch.top, patch.width(), patch.height());
    bool differs = false;
    for (int y = patch.top; y < patch.bottom; ++y) {
        for (int x = patch.left; x < patch.right; ++x) {
            if (!showsAt(buttons, n, textBox, x, y) || state.pixel(x, y) == rest.pixel(x, y))
                continue;
            picture.setPixel(x - patch.left, y - patch.top, state.pixel(x, y));
            differs = true;
        }
    }
    return differs ? std::optional(picture) : std::nullopt;
}

// A box widened to the grid, within the bar.
Rect onGrid(const Rect& box, const Rect& bar) {
    return Rect{downTo(box.left, kPatchGrid), downTo(box.top, kPatchGrid),
                upTo(box.right, kPatchGrid), upTo(box.bottom, kPatchGrid)}
        .intersected(bar);
}

int widestPicture(const TVelkForm& applet) {
    int widest = applet.appletWidth();
    for (const int slot : applet.usedSlots()) {
        if (const TVelkPanel* face = applet.statePanel(1, slot))
            widest = std::max(widest, face->width());
    }
    return std::max(widest, applet.textBox().width);
}

// The whole applet in a state, drawn once.
QImage renderAppletImage(TVelkForm& applet, int state) {
    Raster raster = renderApplet(applet, state);
    return takeImage(raster);
}

}  // namespace

std::optional<WebBar> buildWebBar(TVelkForm& applet) {
    SelectionHidden hidden(applet);
    const QImage rest = renderAppletImage(applet, 1);
    if (rest.isNull())
        return std::nullopt;
    const QImage over = renderAppletImage(applet, 2).convertToFormat(QImage::Format_RGB32);
    const QImage pressed = renderAppletImage(applet, 3).convertToFormat(QImage::Format_RGB32);
    const CanvasDrawing& canvas = paintCanvas(applet);

    WebBar bar;
    bar.width = rest.width();
    bar.height = rest.height();
    const Rect appletArea = Rect::fromSize(0, 0, bar.width, bar.height);
    SpriteSheet sheet(widestPicture(applet));
    bar.rest = sheet.add(rest);

    const std::vector<int>& stacking = applet.stackingOrder();
    std::vector<WebButton> buttons;
    for (std::size_t ordinal = 0; ordinal < applet.usedSlots().size(); ++ordinal) {
        const int slot = applet.usedSlots()[ordinal];
        TVelkPanel* first = applet.statePanel(1, slot);
        if (!first)
            continue;
        WebButton button;
        button.ordinal = int(ordinal);
        button.bounds = faceBounds(*first);
        button.shown = button.bounds.intersected(appletArea);
        if (button.shown.empty() || first->width() <= 0 || first->height() <= 0)
            button.shown = Rect{};
        const auto back = std::find(stacking.begin(), stacking.end(), slot);
        button.layer = int(back - stacking.begin()) + 1;
        for (int state = 1; state <= kStateCount; ++state) {
            TVelkPanel* face = applet.statePanel(state, slot);
            const QImage picture = drawWholeFace(face ? *face : *first, canvas);
            if (picture.isNull() && first->width() > 0 && first->height() > 0)
                return std::nullopt;
            button.faces[std::size_t(state - 1)] = sheet.add(picture);
        }
        button.link = textOf(first->link());
        button.frame = textOf(first->frame());
        button.hint = textOf(first->hintText());
        const std::string caption = textOf(first->caption());
        button.name = !caption.empty() ? caption : !button.hint.empty() ? button.hint : button.link;
        for (int state = 2; state <= kStateCount; ++state) {
            const TVelkPanel* face = applet.statePanel(state, slot);
            button.status[std::size_t(state - 2)] = face ? textOf(face->status()) : std::string();
            button.sounds[std::size_t(state - 2)] = soundOf(face);
        }
        button.messageText = textOf(first->textBoxText());
        buttons.push_back(std::move(button));
    }

    const TvelkTextBox& box = applet.textBox();
    const Rect boxBounds =
        Rect::fromSize(box.left, std::int64_t(box.top) - kToolBarStrip, box.width, box.height);
    if (applet.textBoxVisible() && !boxBounds.intersected(appletArea).empty())
        bar.textBox = boxBounds.intersected(appletArea);

    const QImage restPixels = rest.convertToFormat(QImage::Format_RGB32);
    for (std::size_t n = 0; n < buttons.size(); ++n) {
        WebButton& button = buttons[n];
        if (button.shown.empty())
            continue;
        button.patch = onGrid(button.shown, appletArea);
        const std::array<const QImage*, 2> states{&over, &pressed};
        for (std::size_t s = 0; s < 2; ++s) {
            if (auto picture = patchOf(restPixels, *states[s], buttons, n, bar.textBox))
                button.patches[s] = sheet.add(*picture);
        }
    }

    if (bar.textBox) {
        // A message shows while its button is under the pointer or focused:
        // the text box with the message, and around it, up to the grid, the
        // bar with that button in "On MouseOver".
        const Rect& shown = *bar.textBox;
        bar.textBoxPatch = onGrid(shown, appletArea);
        const Rect& patch = bar.textBoxPatch;
        for (std::size_t n = 0; n < buttons.size(); ++n) {
            WebButton& button = buttons[n];
            if (button.messageText.empty())
                continue;
            const TVelkPanel* first = applet.statePanel(1, applet.usedSlots()[button.ordinal]);
            const QImage message =
                drawTextBoxWith(applet, first->textBoxText()).convertToFormat(QImage::Format_RGB32);
            if (message.isNull())
                return std::nullopt;
            QImage picture = restPixels.copy(patch.left, patch.top, patch.width(), patch.height());
            for (int y = patch.top; y < patch.bottom; ++y) {
                for (int x = patch.left; x < patch.right; ++x) {
                    if (shown.contains(x, y)) {
                        picture.setPixel(x - patch.left, y - patch.top,
                                         message.pixel(x - boxBounds.left, y - boxBounds.top));
                    } else if (showsAt(buttons, n, bar.textBox, x, y)) {
                        picture.setPixel(x - patch.left, y - patch.top, over.pixel(x, y));
                    }
                }
            }
            button.message = int(bar.messages.size());
            bar.messages.push_back(sheet.add(picture));
        }
    }

    if (std::int64_t(sheet.pixelCount()) > Raster::kMaxPixels)
        return std::nullopt;
    bar.sprite = sheet.image();
    if (bar.sprite.isNull())
        return std::nullopt;
    for (const int n : readingOrder(buttons)) bar.buttons.push_back(std::move(buttons[n]));
    return bar;
}

std::vector<std::string> barSounds(const WebBar& bar) {
    std::vector<std::string> names;
    for (const WebButton& button : bar.buttons) {
        for (const std::string& name : button.sounds) {
            if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    return names;
}

}  // namespace wendle::web
