// Feeds arbitrary bytes to the document reader (and through it to the
// older-layout importer) and checks what must hold for every input:
//  - no crash, no hang, no undefined behaviour (the sanitizers watch);
//  - the applet is consistent afterwards and updatingControls is clear;
//  - a read that did not succeed said why;
//  - whatever was read can be written, and the written file reads back
//    completely into a document that writes the very same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/AppletDocumentHost.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "model/UpdatingControls.h"

namespace {

using namespace wendle;
using namespace wendle::document;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "document reader fuzzer: %s\n", what);
    std::abort();
}

void checkConsistent(const TVelkForm& applet) {
    if (applet.buttonCount() != int(applet.usedSlots().size()))
        fail("buttonCount");
    for (int slot : applet.usedSlots()) {
        for (int state = 1; state <= kStateCount; ++state) {
            if (!applet.statePanel(state, slot))
                fail("missing state panel");
        }
    }
    if (updatingControls())
        fail("updatingControls left set");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    AppletDocumentHost host;
    host.applet().CreateMenuItem();
    const ReadResult read = readDocumentText(text, "/fuzz/input.wdf", host);
    checkConsistent(host.applet());
    if (!read.succeeded() && read.messages.empty())
        fail("failed without a message");

    const std::string first = composeDocument(host.applet()).bytes;
    AppletDocumentHost again;
    const ReadResult reread = readDocumentText(first, "/fuzz/again.wdf", again);
    if (reread.outcome != ReadOutcome::Read) {
        std::fprintf(stderr, "%s\n", reread.messages.empty() ? "" : reread.messages.back().c_str());
        fail("a written document did not read back");
    }
    checkConsistent(again.applet());
    if (composeDocument(again.applet()).bytes != first)
        fail("written twice, different bytes");
    return 0;
}
