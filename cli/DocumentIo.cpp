#include "DocumentIo.h"

#include <cstdio>

#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "model/VelkForm.h"

namespace wendle::cli {

bool readForCommand(const std::string& path, document::DocumentHost& host) {
    const document::ReadResult read = document::readDocument(path, host);
    // Warnings and errors alike go to standard error, so standard output
    // carries only what the command produces.
    for (const auto& message : read.messages) std::fprintf(stderr, "%s\n", message.c_str());
    if (read.outcome == document::ReadOutcome::Missing) {
        std::fprintf(stderr, "%s\n", document::missingDocumentMessage(path).c_str());
    }
    return read.succeeded();
}

int saveForCommand(TVelkForm& applet, const std::string& path, document::DocumentHost& host) {
    applet.setDocumentPath(path);
    const document::SaveResult saved = document::writeDocument(applet, host);
    if (saved.saved())
        return 0;
    std::fprintf(stderr, "%s\n", saved.message.c_str());
    return 1;
}

}  // namespace wendle::cli
