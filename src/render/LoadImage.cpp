#include "render/LoadImage.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "image/Picture.h"
#include "render/CanvasDrawing.h"
#include "render/FaceDrawing.h"
#include "render/Windows1252.h"

namespace wendle {

namespace {

namespace fs = std::filesystem;

bool isFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// The file a model text names, if there is one.
std::optional<fs::path> existingFile(const std::string& name) {
    if (name.empty())
        return std::nullopt;
    const fs::path utf8 = fs::path(windows1252ToUtf8(name));
    if (isFile(utf8))
        return utf8;
    const fs::path raw = fs::path(name);
    if (isFile(raw))
        return raw;
    return std::nullopt;
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\')
        return folder + name;
    return folder + '/' + name;
}

struct Candidate {
    std::string name;  // as the model keeps it
    fs::path file;     // as the file system finds it
};

std::optional<Candidate> firstExisting(std::initializer_list<std::string> names) {
    for (const std::string& name : names) {
        if (auto file = existingFile(name))
            return Candidate{name, *file};
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
