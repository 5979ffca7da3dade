#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DocumentIo.h"
#include "document/AppletDocumentHost.h"
#include "document/DocumentReader.h"
#include "model/AppletHTML.h"

namespace wendle::cli {

namespace {

int runHtml(const std::vector<std::string>& args);

const Command kHtml{
    "html",
    "html DOC.wdf",
    "print the HTML block of a document",
    runHtml,
};
const CommandRegistration registration{kHtml};

int runHtml(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return usageError(kHtml, args.empty() ? "no document" : "one document");
    const std::string& path = args[0];

    document::AppletDocumentHost host;
    // The block alone goes to standard output, so it can be piped into a page.
    if (!readForCommand(path, host))
        return 1;

    for (const std::string& line : buildAppletHTML(host.applet())) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

}  // namespace wendle::cli
