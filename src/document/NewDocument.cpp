#include "document/NewDocument.h"

#include "document/DocumentHost.h"
#include "model/FontTables.h"

namespace wendle::document {

std::unique_ptr<TVelkForm> newDocumentApplet() {
    auto applet = std::make_unique<TVelkForm>();
    applet->setClientSize(kNewClientWidth, kNewClientHeight);
    applet->setModified(false);
    applyGeneralRefill(*applet);
    return applet;
}

void applyGeneralRefill(TVelkForm& applet) {
    TvelkTextBox& box = applet.textBox();
    if (typefaceOf(applet.textBoxFont()))
        box.typeface = applet.textBoxFont();
    if (!applet.textBoxVisible()) {
        box.left = -1;
        box.width = 1;
        box.height = 1;
    }
    if (const auto points = previewPointSize(applet.textBoxFontSize()))
        box.pointSize = *points;
    const int style = applet.textBoxFontStyle();
    if (style >= 0 && style <= 2)
        box.fontStyle = style;
}

TVelkForm& makeStartupDocument(DocumentHost& host) {
    TVelkForm& applet = host.resetDocument();
    for (int i = 0; i < kStartupButtons; ++i) applet.CreateMenuItem();
    applet.setClientSize(kNewClientWidth, kStartupClientHeight);
    return applet;
}

}  // namespace wendle::document
