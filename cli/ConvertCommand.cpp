#include <cstdio>
#include <string>
#include <vector>

#include "Command.h"
#include "DocumentIo.h"
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
    // The "different version" warning is printed but does not fail the
    // conversion; only an import or read that stopped does.
    if (!readForCommand(in, host))
        return 1;
    return saveForCommand(host.applet(), out, host);
}

}  // namespace

}  // namespace wendle::cli
