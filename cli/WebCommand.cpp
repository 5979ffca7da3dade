#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DocumentIo.h"
#include "PictureLoadingHost.h"
#include "document/AppletDocumentHost.h"
#include "platform/Folders.h"
#include "render/LoadImage.h"
#include "render/qt/HeadlessGui.h"
#include "web/WebExport.h"

namespace wendle::cli {

namespace {

int runWeb(const std::vector<std::string>& args);

const Command kWeb{
    "web",
    "web DOC.wdf OUTDIR",
    "write the bar for the web: index.html, stylesheet, picture, script and sounds",
    runWeb,
};
const CommandRegistration registration{kWeb};

int runWeb(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg.size() > 1 && arg[0] == '-')
            return usageError(kWeb, "unknown option '" + arg + "'");
        files.push_back(arg);
    }
    if (files.size() != 2)
        return usageError(kWeb, "needs a document and an output folder");

    // Left standing for the process: main ends it without taking it down.
    static HeadlessGui gui;
    PictureLoadingHost host;
    if (!readForCommand(files[0], host))
        return 1;
    for (const std::string& message : host.refusedPictures())
        std::fprintf(stderr, "wendle-cli web: %s\n", message.c_str());
    web::WebExportReport report;
    const auto problem =
        web::exportForWeb(host.applet(), files[1], platform::programFolder(), report);
    for (const std::string& sound : report.missing)
        std::fprintf(stderr, "wendle-cli web: the sound '%s' was not found\n", sound.c_str());
    for (const std::string& sound : report.refused)
        std::fprintf(stderr,
                     "wendle-cli web: '%s' was not published: it is not a sound with the .snd "
                     "header\n",
                     sound.c_str());
    if (problem) {
        std::fprintf(stderr, "wendle-cli web: %s\n", problem->c_str());
        return 1;
    }
    return 0;
}

}  // namespace

}  // namespace wendle::cli
