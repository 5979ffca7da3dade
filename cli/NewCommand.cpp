#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DocumentIo.h"
#include "document/AppletDocumentHost.h"
#include "document/DocumentWriter.h"
#include "document/NewDocument.h"
#include "model/Messages.h"

namespace wendle::cli {

namespace {

int runNew(const std::vector<std::string>& args);

const Command kNew{
    "new",
    "new [--empty] [--buttons N] OUT.wdf",
    "write the start-up document; --empty: no buttons; --buttons N: N buttons",
    runNew,
};
const CommandRegistration registration{kNew};

// A whole non-negative decimal number, or -1.
int parseCount(const std::string& text) {
    if (text.empty() || text.size() > 9)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

int runNew(const std::vector<std::string>& args) {
    bool empty = false;
    int buttons = 0;
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--empty") {
            empty = true;
        } else if (arg == "--buttons") {
            if (i + 1 == args.size())
                return usageError(kNew, "--buttons needs a number");
            buttons = parseCount(args[++i]);
            if (buttons < 0)
                return usageError(kNew, "'" + args[i] + "' is not a number of buttons");
            empty = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError(kNew, "unknown option '" + arg + "'");
        } else if (out.empty()) {
            out = arg;
        } else {
            return usageError(kNew, "only one output file");
        }
    }
    if (out.empty())
        return usageError(kNew, "no output file");
    // Asking for more buttons than an applet holds writes nothing: a
    // document with fewer buttons than asked for would be a surprise.
    if (buttons > kMaxButtons) {
        std::fprintf(stderr, "%s\n", messages::kMaxButtons);
        return 1;
    }

    document::AppletDocumentHost host;
    TVelkForm& applet = empty ? host.resetDocument() : document::makeStartupDocument(host);
    for (int i = 0; i < buttons; ++i) applet.CreateMenuItem();
    return saveForCommand(applet, out, host);
}

}  // namespace

}  // namespace wendle::cli
