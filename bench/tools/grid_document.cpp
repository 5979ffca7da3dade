// bench-grid-document OUT.wdf: writes the benchmarks' full bar, 99 buttons
// of 95 x 30 in an 11 x 9 grid, each with its caption, every one in view.
#include <cstdio>

#include "document/AppletDocumentHost.h"
#include "document/DocumentWriter.h"
#include "model/VelkForm.h"

int main(int argc, char** argv) {
    using namespace wendle;
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench-grid-document OUT.wdf\n");
        return 2;
    }
    constexpr int kColumns = 11, kFaceWidth = 95, kFaceHeight = 30, kBorder = 4;
    document::AppletDocumentHost host;
    TVelkForm& applet = host.applet();
    applet.setClientSize(kColumns * kFaceWidth + 2 * kBorder + 2,
                         (kMaxButtons / kColumns) * kFaceHeight + 2 * kBorder + 2 + kToolBarStrip);
    applet.setFade(true);
    for (int n = 0; n < kMaxButtons; ++n) {
        const int slot = applet.CreateMenuItem().slot;
        const int left = kBorder + 1 + (n % kColumns) * kFaceWidth;
        const int top = kBorder + 1 + kToolBarStrip + (n / kColumns) * kFaceHeight;
        for (int state = 1; state <= kStateCount; ++state)
            applet.statePanel(state, slot)->setBounds(left, top, kFaceWidth, kFaceHeight);
    }
    applet.setDocumentPath(argv[1]);
    const document::SaveResult saved = document::writeDocument(applet, host);
    if (!saved.saved()) {
        std::fprintf(stderr, "%s\n", saved.message.c_str());
        return 1;
    }
    return 0;
}
