#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "document/AppletDocumentHost.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"

namespace wendle::cli {

namespace {

int runConvert(const std::vector<std::string>& args);

const Command kConvert{
    "convert",
    "convert IN OUT.wdf",
    "read a document of any version and save it as version 5.0",
    runConvert,
};
const CommandRegistration registration{kConvert};

int runConvert(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return usageError(kConvert, "needs an input and an output file");
    const std::string& in = args[0];
    const std::string& out = args[1];

    document::AppletDocumentHost host;
    const document::ReadResult read = document::readDocument(in, host);
    // The "different version" warning is printed but does not fail the
    // conversion; only an import or read that stopped does.
    for (const auto& message : read.messages) std::fprintf(stderr, "%s\n", message.c_str());
    if (read.outcome == document::ReadOutcome::Missing) {
        std::fprintf(stderr, "%s\n", document::missingDocumentMessage(in).c_str());
    }
    if (!read.succeeded())
        return 1;

    TVelkForm& applet = host.applet();
    applet.setDocumentPath(out);
    const document::SaveResult saved = document::writeDocument(applet, host);
    if (!saved.saved()) {
        std::fprintf(stderr, "%s\n", saved.message.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

}  // namespace wendle::cli
