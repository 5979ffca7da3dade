#include "render/FaceDrawing.h"

namespace wendle {

FaceDrawing& faceDrawing(TVelkPanel& face) {
    if (auto* existing = dynamic_cast<FaceDrawing*>(face.attachment()))
        return *existing;
    auto created = std::make_unique<FaceDrawing>();
    FaceDrawing& drawing = *created;
    face.setAttachment(std::move(created));
    return drawing;
}

const FaceDrawing* findFaceDrawing(const TVelkPanel& face) {
    return dynamic_cast<const FaceDrawing*>(face.attachment());
}

}  // namespace wendle
