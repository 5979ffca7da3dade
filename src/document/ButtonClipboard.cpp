#include "document/ButtonClipboard.h"

#include "document/AppletDocumentHost.h"
#include "document/DocumentFormat.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "model/ButtonTransfer.h"

namespace wendle::document {

namespace {

bool isButtonLine(const std::string& line) {
    static constexpr std::string_view kStart = "<PARAM NAME=\"";
    return line.compare(0, kStart.size(), kStart) == 0 && line.size() > kStart.size() &&
           line[kStart.size()] >= '0' && line[kStart.size()] <= '9';
}

}  // namespace

ButtonClipping clipButtons(const std::vector<ButtonValues>& buttons) {
    // An empty applet of its own: the buttons keep their places, and their
    // links, given as indices, become the slots they land in.
    TVelkForm scratch;
    pasteButtons(scratch, buttons);
    ComposedDocument composed = composeDocument(scratch);
    ButtonClipping clipping;
    clipping.records = std::move(composed.bytes);
    for (const std::string& line : composed.html) {
        if (isButtonLine(line))
            clipping.htmlLines += line + format::kLineEnd;
    }
    return clipping;
}

std::optional<std::vector<ButtonValues>> readClippedButtons(std::string_view records) {
    AppletDocumentHost host;
    const ReadResult result = readDocumentText(records, {}, host);
    if (!result.succeeded() || host.applet().usedSlots().empty())
        return std::nullopt;
    return copyButtons(host.applet(), host.applet().usedSlots());
}

}  // namespace wendle::document
