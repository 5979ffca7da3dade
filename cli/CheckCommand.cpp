#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DocumentIo.h"
#include "PictureLoadingHost.h"
#include "accessibility/AccessibilityCheck.h"
#include "accessibility/FindingText.h"
#include "accessibility/Messages.h"
#include "document/AppletDocumentHost.h"
#include "render/LoadImage.h"
#include "render/qt/HeadlessGui.h"

namespace wendle::cli {

namespace {

int runCheck(const std::vector<std::string>& args);

const Command kCheck{
    "check",
    "check DOC.wdf [--json]",
    "check the bar's accessibility; exit 1 when there are errors",
    runCheck,
};
const CommandRegistration registration{kCheck};

int runCheck(const std::vector<std::string>& args) {
    std::string path;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError(kCheck, "unknown option '" + arg + "'");
        } else if (path.empty()) {
            path = arg;
        } else {
            return usageError(kCheck, "needs one document");
        }
    }
    if (path.empty())
        return usageError(kCheck, "needs a document");

    // Left standing for the process: main ends it without taking it down.
    static HeadlessGui gui;
    PictureLoadingHost host;
    if (!readForCommand(path, host))
        return 1;
    for (const std::string& message : host.refusedPictures())
        std::fprintf(stderr, "wendle-cli check: %s\n", message.c_str());
    const auto findings = accessibility::checkApplet(host.applet());
    if (json) {
        std::fputs(accessibility::findingsJson(findings).c_str(), stdout);
    } else if (findings.empty()) {
        std::printf("%s\n", accessibility::messages::kNoFindings);
    } else {
        for (const auto& finding : findings)
            std::printf("%s\n", accessibility::findingLine(finding).c_str());
    }
    // Warnings are advice; only errors fail the check.
    return accessibility::hasErrors(findings) ? 1 : 0;
}

}  // namespace

}  // namespace wendle::cli
