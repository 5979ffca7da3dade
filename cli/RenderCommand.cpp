#include <QByteArray>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DocumentIo.h"
#include "DrawingModule.h"
#include "ModuleText.h"
#include "PictureLoadingHost.h"
#include "document/AppletDocumentHost.h"
#include "document/DocumentReader.h"
#include "model/Editing.h"
#include "platform/AtomicFile.h"
#include "render/AppletPainter.h"
#include "render/LoadImage.h"
#include "render/PngEncoding.h"
#include "render/VelkFormCanvas.h"

namespace wendle::cli {

namespace {

int runRender(const std::vector<std::string>& args);

const Command kRender{
    "render",
    "render DOC.wdf OUT.png [--state 1|2|3] [--selected SLOT,...]",
    "draw the applet as the preview shows it into a PNG",
    runRender,
};
const CommandRegistration registration{kRender};

// A whole non-negative decimal number below 1000, or -1.
int parseNumber(const std::string& text) {
    if (text.empty() || text.size() > 3)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct Options {
    std::string document;
    std::string out;
    int state = 0;  // 0: the state the preview shows
    std::vector<int> selected;
};

// Fills options or returns the problem to report.
std::string parseOptions(const std::vector<std::string>& args, Options& options) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--state") {
            if (i + 1 == args.size())
                return "--state needs 1, 2 or 3";
            options.state = parseNumber(args[++i]);
            if (options.state < 1 || options.state > 3)
                return "--state needs 1, 2 or 3";
        } else if (arg == "--selected") {
            if (i + 1 == args.size())
                return "--selected needs slot numbers";
            const std::string& list = args[++i];
            std::size_t start = 0;
            while (true) {
                const std::size_t comma = list.find(',', start);
                const std::string item = list.substr(start, comma - start);
                const int slot = parseNumber(item);
                if (slot < 0)
                    return "'" + item + "' is not a slot number";
                options.selected.push_back(slot);
                if (comma == std::string::npos)
                    break;
                start = comma + 1;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2)
        return "needs a document and an output file";
    options.document = files[0];
    options.out = files[1];
    return {};
}

int runRender(const std::vector<std::string>& args) {
    Options options;
    if (const std::string problem = parseOptions(args, options); !problem.empty()) {
        return usageError(kRender, problem);
    }

    RenderText text;
    PictureLoadingHost host;
    if (!readForCommand(options.document, host))
        return 1;
    // The applet's background and border take no text: drawn while the font
    // configuration may still be in the making.
    paintCanvas(host.applet());
    text.ready();

    TVelkForm& applet = host.applet();
    for (int slot : options.selected) {
        if (!applet.statePanel(1, slot)) {
            std::fprintf(stderr, "wendle-cli render: no button in slot %d\n", slot);
            return 1;
        }
        const auto& already = applet.selectedSlots();
        if (std::find(already.begin(), already.end(), slot) == already.end()) {
            SelectOneItem(applet, slot);
        }
    }
    const int state = options.state ? options.state : std::max(applet.shownState(), 1);

    Raster picture = renderApplet(applet, state);
    if (text.leftToGuiLibrary())
        return kRunWithGuiLibrary;
    for (const std::string& message : host.refusedPictures())
        std::fprintf(stderr, "wendle-cli render: %s\n", message.c_str());
    if (picture.empty()) {
        std::fprintf(stderr, "wendle-cli render: the applet (%d x %d) cannot be drawn\n",
                     applet.appletWidth(), applet.appletHeight());
        return 1;
    }
    const QByteArray png = encodePng(picture);
    if (png.isEmpty()) {
        std::fprintf(stderr, "wendle-cli render: the picture could not be encoded\n");
        return 1;
    }
    // Written whole or not at all: a failure leaves an older file intact.
    if (const auto written = platform::writeFileAtomically(
            options.out, std::string_view(png.constData(), std::size_t(png.size())), 0666);
        !written) {
        std::fprintf(stderr, "wendle-cli render: %s\n", written.message.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

}  // namespace wendle::cli
