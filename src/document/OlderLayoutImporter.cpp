#include "document/OlderLayoutImporter.h"

#include "document/DocumentFormat.h"
#include "document/DocumentHost.h"
#include "document/FieldReader.h"
#include "document/ReadingSession.h"

namespace wendle::document {

namespace {

// The first line the importer reads, 1-based.
constexpr int kFirstAppletLine = 21;

// Image placement codes of the older layout and the styles they became.
constexpr std::uint8_t kStyleLeft = 2;
constexpr std::uint8_t kStyleCenter = 1;
constexpr std::uint8_t kStyleRight = 3;
constexpr std::uint8_t kStyleResize = 5;
// The older layout knew only one border style, the bump.
constexpr std::int16_t kBumpStyle = 3;

int readAppletValues(FieldReader& in, ReadingSession& session) {
    TVelkForm& applet = session.applet();
    in.skip(kFirstAppletLine - 1);
    const int width = in.extent();                                  // 21
    const int readHeight = in.extent(0, format::kMaxClientHeight);  // 22: the client height
    const int height = session.usableClientHeight(readHeight, in.lineNumber());
    applet.setClientSize(width, height);
    in.skip(2);                                         // 23, 24
    applet.setBorderWidth(std::int16_t(in.integer()));  // 25
    applet.setBorderShading(in.integer());              // 26
    const std::string_view direction = in.raw();        // 27
    applet.setRaised(direction == "0" || direction == "2");
    applet.setBdrStyle(kBumpStyle);
    in.skip(1);                          // 28
    applet.setBorderColor(in.colour());  // 29
    in.skip(8);                          // 30 to 37
    const int count = in.buttonCount();  // 38
    applet.setButtonCount(count);
    in.skip(6);                                        // 39 to 44
    applet.setImageX(std::int16_t(in.integer()));      // 45
    applet.setImageY(std::int16_t(in.integer()));      // 46
    applet.setImageName(in.text());                    // 47
    applet.setImagePath(in.text());                    // 48
    applet.setImageStyle(std::uint8_t(in.integer()));  // 49
    in.skip(1);                                        // 50
    applet.setBkColor(in.colour());                    // 51
    return count;
}

// Reads a state's 20-line group; returns its number of caption entries.
std::int32_t readStateGroup(FieldReader& in, TVelkPanel& panel) {
    switch (in.integer()) {  // 1
        case 1:
            panel.setImageStyle(kStyleLeft);
            break;
        case 2:
            panel.setImageStyle(kStyleCenter);
            break;
        case 3:
            panel.setImageStyle(kStyleRight);
            break;
        default:
            break;
    }
    panel.setBorderShading(in.integer());              // 2
    const std::int32_t entries = in.integer();         // 3
    panel.setImageX(std::int16_t(in.integer()));       // 4
    panel.setImageY(std::int16_t(in.integer()));       // 5
    panel.setBorderWidth(std::int16_t(in.integer()));  // 6
    in.skip(2);                                        // 7, 8
    panel.setBkColor(in.colour());                     // 9
    panel.setBorderColor(in.colour());                 // 10
    in.skip(1);                                        // 11
    if (in.flag())
        panel.setTransparentBk(true);  // 12
    if (in.flag())
        panel.setImageStyle(kStyleResize);  // 13
    panel.setLink(in.text());               // 14
    const std::string sound = in.text();    // 15
    panel.setSoundName(sound);
    panel.setSoundPath(sound);
    panel.setFrame(in.text());      // 16
    panel.setStatus(in.text());     // 17
    panel.setImagePath(in.text());  // 18
    panel.setImageName(in.text());  // 19
    panel.setSoundPath(in.text());  // 20
    return entries;
}

void readCaptionEntry(FieldReader& in, TVelkPanel& panel, std::string& caption) {
    caption += in.raw();                             // 1
    panel.setFontColor(in.colour());                 // 2
    in.skip(1);                                      // 3
    panel.setFontSize(std::uint8_t(in.integer()));   // 4
    in.skip(2);                                      // 5, 6
    panel.setFontName(std::uint8_t(in.integer()));   // 7
    panel.setFontStyle(std::uint8_t(in.integer()));  // 8
    in.skip(2);                                      // 9, 10
}

void readButton(FieldReader& in, ReadingSession& session, int ordinal, int count) {
    TVelkForm& applet = session.applet();
    const int slot = session.createButton(ordinal, count);
    TVelkPanel& first = *applet.statePanel(1, slot);
    first.setItemName(in.text());
    if (!first.itemName().empty())
        session.host().setButtonListCaption(ordinal, first.itemName());
    // The geometry belongs to the first state only; the others keep the
    // place they were created at.
    first.setLeft(in.position());
    first.setTop(in.position());
    first.setWidth(in.extent());
    first.setHeight(in.extent());
    in.skip(1);
    for (int state = 1; state <= kStateCount; ++state) {
        TVelkPanel& panel = *applet.statePanel(state, slot);
        panel.setFade(false);
        const std::int32_t entries = readStateGroup(in, panel);
        panel.setShowHighlight(false);
        panel.setCaption({});
        session.loadStateImage(panel);
        // Each entry needs a colour line, so entries past the end of the file
        // stop the read at the first of them. The pieces are gathered aside
        // and stored as far as they were read.
        std::string caption;
        try {
            for (std::int32_t entry = 0; entry < entries; ++entry) {
                readCaptionEntry(in, panel, caption);
            }
        } catch (const ReadStopped&) {
            panel.setCaption(caption);
            throw;
        }
        panel.setCaption(caption);
    }
}

}  // namespace

ReadResult importOlderLayout(std::string_view text, const std::string& path, DocumentHost& host) {
    FieldReader in(text);
    ReadingSession session(host, path);
    TVelkForm& applet = session.applet();
    try {
        const int count = readAppletValues(in, session);
        host.loadAppletImage(applet, session.fallbackFolder());
        for (int ordinal = 0; ordinal < count; ++ordinal) readButton(in, session, ordinal, count);
        while (!in.atEnd()) {
            std::string line = in.text();
            if (line == format::kBeginHTML)
                break;
            applet.setAltHTML(std::move(line));
        }
    } catch (const ReadStopped& stopped) {
        session.finish(false);
        std::vector<std::string> messages = session.notes();
        messages.push_back(session.stoppedMessage(stopped));
        for (const std::string& message : messages) host.showMessage(message);
        return {ReadOutcome::Stopped, messages, false};
    }
    session.finish(true);
    for (const std::string& note : session.notes()) host.showMessage(note);
    return {ReadOutcome::Imported, session.notes(), false};
}

}  // namespace wendle::document
