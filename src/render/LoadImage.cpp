#include "render/LoadImage.h"

#include <filesystem>
#include <optional>

#include "image/Picture.h"
#include "platform/NamedFile.h"
#include "render/CanvasDrawing.h"
#include "render/FaceDrawing.h"

namespace wendle {

namespace {

namespace fs = std::filesystem;

std::string inFolder(const std::string& folder, const std::string& name) {
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
        if (auto found = platform::findNamedFile(name))
            return Candidate{found->text, fs::path(found->file)};
    }
    return std::nullopt;
}

std::unique_ptr<Picture> pictureOf(const std::optional<Candidate>& candidate) {
    if (!candidate || !hasPictureExtension(candidate->name))
        return nullptr;
    return Picture::fromFile(candidate->file);
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

void LoadImage(TVelkForm& applet, const std::string& folder) {
    const auto candidate = firstExisting(
        {applet.imageName(), applet.imagePath(), inFolder(folder, applet.imageName())});
    CanvasDrawing& drawing = canvasDrawing(applet);
    drawing.picture.reset();
    drawing.picture = pictureOf(candidate);
    drawing.pictureChanged = true;
}

void LoadImage(TVelkPanel& face, const std::string& folder) {
    std::optional<Candidate> candidate =
        firstExisting({face.imagePath(), inFolder(folder, face.imageName())});
    if (candidate)
        face.setImagePath(candidate->name);
    FaceDrawing& drawing = faceDrawing(face);
    drawing.picture.reset();
    drawing.picture = pictureOf(candidate);
    face.setModified(true);
}

}  // namespace wendle
