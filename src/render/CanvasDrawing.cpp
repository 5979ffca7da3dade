#include "render/CanvasDrawing.h"

namespace wendle {

CanvasDrawing& canvasDrawing(TVelkForm& applet) {
    if (auto* existing = dynamic_cast<CanvasDrawing*>(applet.attachment()))
        return *existing;
    auto created = std::make_unique<CanvasDrawing>();
    CanvasDrawing& drawing = *created;
    applet.setAttachment(std::move(created));
    return drawing;
}

const CanvasDrawing* findCanvasDrawing(const TVelkForm& applet) {
    return dynamic_cast<const CanvasDrawing*>(applet.attachment());
}

}  // namespace wendle
