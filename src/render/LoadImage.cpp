#include "render/LoadImage.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "image/Picture.h"
#include "image/PictureLimits.h"
#include "platform/NamedFile.h"
#include "render/CanvasDrawing.h"
#include "render/FaceDrawing.h"

namespace wendle {

namespace {

namespace fs = std::filesystem;

// The name in folder; no name at all names nothing, not the folder.
std::string inFolder(const std::string& folder, const std::string& name) {
    if (name.empty())
        return {};
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\')
        return folder + name;
    return folder + '/' + name;
}

struct Candidate {
    std::string name;  // as the model keeps it
    fs::path file;     // as the file system finds it
};

// The first name that finds a file. A path into "Button Images" or "Sounds"
// that is not found as it stands is looked for in this program's folders
// before the next name is tried, so ready-made pictures follow the program
// wherever it is installed.
std::optional<Candidate> firstExisting(std::initializer_list<std::string> names) {
    for (const std::string& name : names) {
        if (name.empty())
            continue;
        if (auto found = platform::findNamedFile(name))
            return Candidate{found->text, fs::path(found->file)};
    }
    return std::nullopt;
}

// Decodes the candidate within the limits, counting the pictures the
// applet already holds against the document's budget; a candidate with an
// extension other than the accepted four is not decoded at all.
std::unique_ptr<Picture> pictureOf(const std::optional<Candidate>& candidate,
                                   const TVelkForm& applet, LoadImageReport& report) {
    if (!candidate || !hasPictureExtension(candidate->name))
        return nullptr;
    PictureLimits limits;
    limits.documentPixelsLeft =
        std::max<std::int64_t>(kDocumentPixelBudget - documentPicturePixels(applet), 0);
    PictureLoad loaded = Picture::load(candidate->file, limits);
    report.problem = loaded.problem;
    report.message = loaded.message(candidate->file.filename().string());
    return std::move(loaded.picture);
}

std::int64_t pixelsOf(const std::unique_ptr<Picture>& picture) {
    return picture ? std::int64_t(picture->width()) * picture->height() : 0;
}

}  // namespace

bool hasPictureExtension(std::string_view path) {
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::string_view name =
        nameStart == std::string_view::npos ? path : path.substr(nameStart + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string_view extension = name.substr(dot);
    return extension == ".gif" || extension == ".GIF" || extension == ".jpg" || extension == ".JPG";
}

std::int64_t documentPicturePixels(const TVelkForm& applet) {
    std::int64_t pixels = 0;
    if (const CanvasDrawing* canvas = findCanvasDrawing(applet))
        pixels += pixelsOf(canvas->picture);
    for (int slot : applet.usedSlots()) {
        for (int state = 1; state <= kStateCount; ++state) {
            const TVelkPanel* face = applet.statePanel(state, slot);
            if (const FaceDrawing* drawing = face ? findFaceDrawing(*face) : nullptr)
                pixels += pixelsOf(drawing->picture);
        }
    }
    return pixels;
}

LoadImageReport LoadImage(TVelkForm& applet, const std::string& folder) {
    const auto candidate = firstExisting(
        {applet.imageName(), applet.imagePath(), inFolder(folder, applet.imageName())});
    CanvasDrawing& drawing = canvasDrawing(applet);
    // The old picture goes first, so it neither counts against the budget
    // nor stays in memory beside the new one.
    drawing.picture.reset();
    LoadImageReport report;
    drawing.picture = pictureOf(candidate, applet, report);
    drawing.pictureChanged = true;
    return report;
}

LoadImageReport LoadImage(const TVelkForm& applet, TVelkPanel& face, const std::string& folder) {
    std::optional<Candidate> candidate =
        firstExisting({face.imagePath(), inFolder(folder, face.imageName())});
    if (candidate)
        face.setImagePath(candidate->name);
    FaceDrawing& drawing = faceDrawing(face);
    drawing.picture.reset();
    LoadImageReport report;
    drawing.picture = pictureOf(candidate, applet, report);
    face.setModified(true);
    return report;
}

std::string chosenPictureProblem(const std::filesystem::path& path) {
    std::error_code error;
    if (!fs::exists(path, error))
        return {};
    const PictureLoad loaded = Picture::load(path, PictureLimits{});
    return loaded.message(path.filename().string());
}

}  // namespace wendle
