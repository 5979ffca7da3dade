#include "document/DocumentWriter.h"

#include <string_view>

#include "document/ColourName.h"
#include "document/DocumentFormat.h"
#include "document/DocumentHost.h"
#include "document/DocumentMessages.h"
#include "model/AppletHTML.h"
#include "platform/AtomicFile.h"

namespace wendle::document {

namespace {

// A new document is an ordinary file: readable by all, as the umask allows.
constexpr unsigned kNewDocumentMode = 0666;

// Appends the lines of a document, each ended by CR LF.
class LineWriter {
  public:
    void line(std::string_view text) {
        for (char c : text) out_ += c == '\n' ? ' ' : c;
        out_ += format::kLineEnd;
    }
    void number(long long value) { line(std::to_string(value)); }
    void colour(Colour value) { line(colourName(value)); }
    void flag(bool value) { line(value ? "1" : "0"); }
    void empty(int count) {
        for (int i = 0; i < count; ++i) line({});
    }
    std::string& text() { return out_; }

  private:
    std::string out_;
};

// The caption's lines: split at every CR LF and at any bare line feed.
std::vector<std::string_view> captionLines(std::string_view caption) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t feed = caption.find('\n', start);
        if (feed == std::string_view::npos) {
            lines.push_back(caption.substr(start));
            return lines;
        }
        std::size_t end = feed;
        if (end > start && caption[end - 1] == '\r')
            --end;
        lines.push_back(caption.substr(start, end - start));
        start = feed + 1;
    }
}

void writeHeader(LineWriter& out, const TVelkForm& applet, int buttons) {
    out.line(format::kFileTitle);
    out.line(format::kVersion50);
    out.line(format::kOnlyInWendle);
    out.number(buttons);
    out.number(applet.clientWidth());
    out.number(applet.clientHeight());
    out.number(applet.borderWidth());
    out.number(applet.bdrStyle());
    out.number(applet.borderShading());
    out.line(applet.imageName());
    out.line(applet.imagePath());
    out.number(applet.imageX());
    out.number(applet.imageY());
    out.number(applet.imageStyle());
    out.line(applet.altHTML());
    out.line(applet.loadText());
    out.colour(applet.fadeColor());
    out.colour(applet.borderColor());
    out.colour(applet.bkColor());
    out.colour(applet.loadBkColor());
    out.colour(applet.loadFontColor());
    out.flag(applet.raised());
    out.flag(applet.fade());
    out.empty(format::kHeaderPadding);
}

void writeStateRecord(LineWriter& out, const TVelkPanel& panel, int ordinal) {
    out.line("-------BUTTON " + std::to_string(ordinal) + ", STATE " +
             std::to_string(panel.state()) + "----------");
    if (panel.state() == 1)
        out.line(panel.itemName());
    out.number(panel.width());
    out.number(panel.height());
    out.number(panel.left());
    out.number(panel.top());
    out.colour(panel.bkColor());
    out.colour(panel.fadeColor());
    out.colour(panel.borderColor());
    out.number(panel.borderWidth());
    out.number(panel.borderStyle());
    out.number(panel.borderShading());
    out.flag(panel.raised());
    out.flag(panel.fade());
    out.flag(panel.fontShadow());
    out.number(panel.fontName());
    out.number(panel.fontSize());
    out.number(panel.fontStyle());
    out.colour(panel.fontColor());
    out.colour(panel.fontShadowColor());
    out.number(panel.fontAlignment());
    out.line(panel.hintText());
    out.number(panel.hintFont());
    out.number(panel.hintSize());
    out.number(panel.hintStyle());
    out.colour(panel.hintBkClr());
    out.colour(panel.hintBdrClr());
    out.colour(panel.hintTextClr());
    out.line(panel.status());
    out.number(panel.itemLink());
    out.line(panel.imageName());
    out.line(panel.imagePath());
    out.number(panel.imageStyle());
    out.number(panel.imageX());
    out.number(panel.imageY());
    out.line(panel.soundName());
    out.line(panel.soundPath());
    out.line(panel.link());
    out.line(panel.frame());
    const auto caption = captionLines(panel.caption());
    out.number(static_cast<long long>(caption.size()));
    for (std::string_view line : caption) out.line(line);
    out.colour(panel.highlightColor());
    out.flag(panel.showHighlight());
    out.flag(panel.transparentBk());
    out.line(panel.textBoxText());
    out.empty(format::kRecordPadding);
}

void writeTextBox(LineWriter& out, const TVelkForm& applet) {
    const TvelkTextBox& box = applet.textBox();
    out.number(box.left);
    out.number(box.top);
    out.number(box.width);
    out.number(box.height);
    out.number(applet.textBoxFont());
    out.number(applet.textBoxFontSize());
    out.number(applet.textBoxFontStyle());
    out.number(applet.textBoxReserved1());
    out.number(applet.textBoxReserved2());
    out.colour(applet.textBoxTextColor());
    out.colour(applet.textBoxBorderColor());
    out.colour(applet.textBoxBkColor());
    out.number(applet.textBoxVisible());
}

}  // namespace

ComposedDocument composeDocument(TVelkForm& applet) {
    LineWriter out;
    // The count is that of the records that follow, so the file always
    // agrees with itself.
    const auto& used = applet.usedSlots();
    writeHeader(out, applet, int(used.size()));
    for (std::size_t ordinal = 0; ordinal < used.size(); ++ordinal) {
        for (int state = 1; state <= kStateCount; ++state) {
            if (const TVelkPanel* panel = applet.statePanel(state, used[ordinal])) {
                writeStateRecord(out, *panel, int(ordinal));
            }
        }
    }
    writeTextBox(out, applet);

    ComposedDocument document;
    document.html = buildAppletHTML(applet);
    out.line(format::kBeginHTML);
    for (const auto& line : document.html) out.line(line);
    out.line(format::kEndHTML);
    document.bytes = std::move(out.text());
    return document;
}

SaveResult writeDocument(TVelkForm& applet, DocumentHost& host) {
    const std::string path = applet.documentPath();
    if (path.empty())
        return {};

    ComposedDocument document = composeDocument(applet);
    host.htmlRebuilt(document.html);
    if (const platform::IoResult written =
            platform::writeFileAtomically(path, document.bytes, kNewDocumentMode);
        !written) {
        SaveResult result{SaveOutcome::Failed,
                          std::string(messages::kCouldNotSave) + path + "': " + written.reason};
        host.showMessage(result.message);
        return result;
    }
    applet.setModified(false);
    host.addRecentDocument(path);
    return {SaveOutcome::Saved, {}};
}

}  // namespace wendle::document
