#include "web/WebExport.h"

#include <QByteArray>
#include <algorithm>

#include "document/PublishFiles.h"
#include "render/qt/PngImage.h"
#include "web/BarSnippet.h"
#include "web/BarStylesheet.h"
#include "web/HtmlText.h"
#include "web/OutputFolder.h"
#include "web/WebBar.h"
#include "web/WebPage.h"
#include "web/WebTexts.h"

namespace wendle::web {

namespace {

std::optional<std::string> documentFolder(const TVelkForm& applet) {
    const std::string& path = applet.documentPath();
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return std::nullopt;
    return path.substr(0, slash + 1);
}

// The document's own name, for the page's title.
std::string documentTitle(const std::string& path) {
    std::string file =
        path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    if (const auto dot = file.rfind('.'); dot != std::string::npos && dot > 0)
        file.erase(dot);
    return singleLine(file);
}

// Where a sound the bar plays is found, by the rules of the working
// folders: the state's path, its name as stored, or beside the document.
std::optional<std::string> soundSource(const TVelkForm& applet, const std::string& fileName) {
    for (const int slot : applet.usedSlots()) {
        for (int state = 2; state <= kStateCount; ++state) {
            const TVelkPanel* panel = applet.statePanel(state, slot);
            if (!panel || document::fileSystemName(panel->soundName()) != fileName)
                continue;
            if (auto found = document::existingFile(panel->soundPath()))
                return found;
            if (auto found = document::existingFile(panel->soundName()))
                return found;
            if (const auto folder = documentFolder(applet);
                folder && document::isFile(*folder + fileName))
                return *folder + fileName;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> exportForWeb(TVelkForm& applet, const std::string& outDir,
                                        const std::string& programFolder, WebExportReport& report) {
    const std::optional<WebBar> bar = buildWebBar(applet);
    if (!bar)
        return std::string(kBarNotDrawn);
    const std::string name = webName(applet.documentPath());
    const QByteArray png = encodePng(bar->sprite);
    if (png.isEmpty())
        return std::string(kPictureNotEncoded);

    const OutputFolder folder(outDir);
    if (auto problem = folder.prepare())
        return std::string(kFolderNotMade) + ": " + *problem;
    const auto written = [&](const std::string& file, std::optional<std::string> problem) {
        if (!problem)
            report.written.push_back(file);
        return problem ? std::optional(std::string(kFileNotWritten) + ": " + *problem)
                       : std::nullopt;
    };

    if (auto problem = written(
            name + ".png", folder.write(name + ".png", {png.constData(), std::size_t(png.size())})))
        return problem;
    const Colour back = applet.bkColor();
    const unsigned backgroundRgb =
        (unsigned(redOf(back)) << 16) | (unsigned(greenOf(back)) << 8) | unsigned(blueOf(back));
    if (auto problem = written(
            name + ".css", folder.write(name + ".css", barStylesheet(*bar, name, backgroundRgb))))
        return problem;
    if (auto problem =
            written(kPlayerScript, folder.copy(programFolder + kPlayerScript, kPlayerScript)))
        return problem;

    // A sound never stands in for a file the export writes itself.
    const std::vector<std::string> own = {name + ".png", name + ".css", kPlayerScript,
                                          "index.html"};
    for (const std::string& sound : barSounds(*bar)) {
        const auto source = soundSource(applet, sound);
        if (!source || std::find(own.begin(), own.end(), sound) != own.end()) {
            report.missing.push_back(sound);
            continue;
        }
        if (!document::fileFitsRole(*source, document::FileRole::Sound)) {
            report.refused.push_back(sound);
            continue;
        }
        if (auto problem = written(sound, folder.copy(*source, sound)))
            return problem;
    }

    const std::string page = indexPage(*bar, name, documentTitle(applet.documentPath()));
    return written("index.html", folder.write("index.html", page));
}

}  // namespace wendle::web
