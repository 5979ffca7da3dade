#include "document/DocumentReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "document/DocumentFormat.h"
#include "document/DocumentHost.h"
#include "document/DocumentMessages.h"
#include "document/FieldReader.h"
#include "document/OlderLayoutImporter.h"
#include "document/ReadingSession.h"
#include "model/FontTables.h"

namespace wendle::document {

namespace {

struct Layout {
    int offset = format::kOldVersionOffset;  // added to the height and every top
    bool singleLineCaptions = false;         // version 4.0
    bool hasTextBox() const { return offset == 0 && !singleLineCaptions; }
};

ReadResult tell(DocumentHost& host, ReadResult result, const std::string& message) {
    host.showMessage(message);
    result.messages.push_back(message);
    return result;
}

void readAppletValues(FieldReader& in, ReadingSession& session, const Layout& layout) {
    TVelkForm& applet = session.applet();
    const int width = in.extent();
    const int readHeight = in.extent(layout.offset, format::kMaxClientHeight);
    const int height = session.usableClientHeight(readHeight, in.lineNumber());
    applet.setClientSize(width, height);
    applet.setBorderWidth(std::int16_t(in.integer()));
    applet.setBdrStyle(std::int16_t(in.integer()));
    applet.setBorderShading(in.integer());
    applet.setImageName(in.text());
    applet.setImagePath(in.text());
    applet.setImageX(std::int16_t(in.integer()));
    applet.setImageY(std::int16_t(in.integer()));
    applet.setImageStyle(std::uint8_t(in.integer()));
    applet.setAltHTML(in.text());
    applet.setLoadText(in.text());
    applet.setFadeColor(in.colour());
    applet.setBorderColor(in.colour());
    applet.setBkColor(in.colour());
    applet.setLoadBkColor(in.colour());
    applet.setLoadFontColor(in.colour());
    applet.setRaised(in.flag());
    applet.setFade(in.flag());
    in.skip(format::kHeaderPadding);
}

std::string readCaption(FieldReader& in, const Layout& layout) {
    if (layout.singleLineCaptions)
        return in.text();
    const std::int32_t count = in.integer();
    std::string caption;
    // Lines past the end of the file would all be empty, and the colour line
    // after them stops the read anyway: stop collecting at the end.
    for (std::int32_t i = 0; i < count && !in.atEnd(); ++i) {
        if (i > 0)
            caption += "\r\n";
        caption += in.raw();
    }
    return caption;
}

void readStateRecord(FieldReader& in, ReadingSession& session, TVelkPanel& panel, int ordinal,
                     const Layout& layout) {
    in.skip(1);  // the record's marker line
    if (panel.state() == 1) {
        panel.setItemName(in.text());
        if (!panel.itemName().empty())
            session.host().setButtonListCaption(ordinal, panel.itemName());
    }
    panel.setWidth(in.extent());
    panel.setHeight(in.extent());
    panel.setLeft(in.position());
    panel.setTop(in.position(layout.offset));
    panel.setBkColor(in.colour());
    panel.setFadeColor(in.colour());
    panel.setBorderColor(in.colour());
    panel.setBorderWidth(std::int16_t(in.integer()));
    panel.setBorderStyle(std::int16_t(in.integer()));
    panel.setBorderShading(in.integer());
    panel.setRaised(in.flag());
    panel.setFade(in.flag());
    panel.setFontShadow(in.flag());
    panel.setFontName(std::uint8_t(in.integer()));
    panel.setFontSize(std::uint8_t(in.integer()));
    panel.setFontStyle(std::uint8_t(in.integer()));
    panel.setFontColor(in.colour());
    panel.setFontShadowColor(in.colour());
    panel.setFontAlignment(std::uint8_t(in.integer()));
    panel.setHintText(in.text());
    panel.setHintFont(std::uint8_t(in.integer()));
    panel.setHintSize(std::int16_t(in.integer()));
    panel.setHintStyle(std::uint8_t(in.integer()));
    panel.setHintBkClr(in.colour());
    panel.setHintBdrClr(in.colour());
    panel.setHintTextClr(in.colour());
    panel.setStatus(in.text());
    panel.setItemLink(std::int16_t(in.integer()));
    panel.setImageName(in.text());
    panel.setImagePath(in.text());
    panel.setImageStyle(std::uint8_t(in.integer()));
    panel.setImageX(std::int16_t(in.integer()));
    panel.setImageY(std::int16_t(in.integer()));
    panel.setSoundName(in.text());
    panel.setSoundPath(in.text());
    panel.setLink(in.text());
    panel.setFrame(in.text());
    panel.setCaption(readCaption(in, layout));
    panel.setHighlightColor(in.colour());
    panel.setShowHighlight(in.flag());
    // Version 4.0 stored a highlight that its applet never drew for the
    // first and the third state.
    if (layout.singleLineCaptions && panel.state() != 2)
        panel.setShowHighlight(false);
    panel.setTransparentBk(in.flag());
    panel.setTextBoxText(in.text());
    in.skip(format::kRecordPadding);
    session.loadStateImage(panel);
}

void readTextBox(FieldReader& in, TVelkForm& applet) {
    Bounds bounds;
    bounds.left = in.position();
    bounds.top = in.position();
    bounds.width = in.extent();
    bounds.height = in.extent();
    applet.setTextBoxBounds(bounds);
    applet.setTextBoxFont(in.integer());
    applet.setTextBoxFontSize(in.integer());
    applet.setTextBoxFontStyle(in.integer());
    applet.setTextBoxReserved1(in.integer());
    applet.setTextBoxReserved2(in.integer());
    applet.setTextBoxTextColor(in.colour());
    applet.setTextBoxBorderColor(in.colour());
    applet.setTextBoxBkColor(in.colour());
    applet.setTextBoxVisible(in.integer());

    TvelkTextBox& box = applet.textBox();
    box.setBounds(bounds.left, bounds.top, bounds.width, bounds.height);
    // Only a size of the table reaches the panel; the refill then turns it
    // into the preview's point size.
    if (previewPointSize(applet.textBoxFontSize()))
        box.pointSize = applet.textBoxFontSize();
}

ReadResult readVersioned(std::string_view text, const std::string& path, DocumentHost& host,
                         const Layout& layout) {
    FieldReader in(text);
    in.skip(3);
    ReadingSession session(host, path);
    TVelkForm& applet = session.applet();
    try {
        const int count = in.buttonCount();
        applet.setButtonCount(count);
        readAppletValues(in, session, layout);
        host.loadAppletImage(applet, session.fallbackFolder());
        for (int ordinal = 0; ordinal < count; ++ordinal) {
            const int slot = session.createButton(ordinal, count);
            for (int state = 1; state <= kStateCount; ++state) {
                readStateRecord(in, session, *applet.statePanel(state, slot), ordinal, layout);
            }
        }
        if (layout.hasTextBox())
            readTextBox(in, applet);
    } catch (const ReadStopped& stopped) {
        session.finish(false);
        ReadResult result{ReadOutcome::Stopped, {}, false};
        for (const std::string& note : session.notes()) result = tell(host, result, note);
        return tell(host, result, session.stoppedMessage(stopped));
    }
    session.finish(true);
    ReadResult result{ReadOutcome::Read, {}, false};
    for (const std::string& note : session.notes()) result = tell(host, result, note);
    result.asWritten = layout.offset == 0 && result.messages.empty();
    return result;
}

}  // namespace

ReadResult readDocumentText(std::string_view text, const std::string& path, DocumentHost& host) {
    FieldReader header(text);
    const std::string_view title = header.raw();
    if (title != format::kFileTitle && title != format::kFileTitle2) {
        return tell(host, {ReadOutcome::NotWendleFile, {}, false}, messages::kNotValidFile);
    }
    const std::string_view version = header.raw();
    Layout layout;
    if (version == format::kVersion50) {
        layout.offset = 0;
    } else if (version == format::kVersion40) {
        layout.singleLineCaptions = true;
    } else if (version != format::kVersion45) {
        host.showMessage(messages::kDifferentVersion);
        ReadResult imported = importOlderLayout(text, path, host);
        imported.differentVersion = true;
        imported.messages.insert(imported.messages.begin(), messages::kDifferentVersion);
        return imported;
    }
    ReadResult result = readVersioned(text, path, host, layout);
    // A save writes the first title: the second one is a file of other bytes.
    result.asWritten = result.asWritten && title == format::kFileTitle;
    return result;
}

std::string missingDocumentMessage(const std::string& path) {
    struct stat info {};
    std::string why;
    if (::stat(path.c_str(), &info) != 0) {
        why = std::strerror(errno);
    } else if (S_ISDIR(info.st_mode)) {
        why = std::strerror(EISDIR);
    } else {
        why = messages::kNotRegularFile;
    }
    return messages::kCouldNotOpen + path + "': " + why;
}

ReadResult readDocument(const std::string& path, DocumentHost& host) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        const std::string why = std::strerror(errno);
        return tell(host, {ReadOutcome::Unreadable, {}, false},
                    messages::kCouldNotOpen + path + "': " + why);
    }
    if (!S_ISREG(info.st_mode))
        return {};
    host.addRecentDocument(path);
    if (info.st_size > format::kMaxDocumentBytes) {
        return tell(host, {ReadOutcome::Unreadable, {}, false}, "'" + path + messages::kTooLarge);
    }

    std::string text;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    bool ok = fd >= 0;
    if (ok) {
        char buffer[65536];
        while (true) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                ok = got == 0;
                break;
            }
            text.append(buffer, std::size_t(got));
            if (text.size() > std::size_t(format::kMaxDocumentBytes)) {
                ::close(fd);
                return tell(host, {ReadOutcome::Unreadable, {}, false},
                            "'" + path + messages::kTooLarge);
            }
        }
    }
    if (!ok) {
        const std::string why = std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return tell(host, {ReadOutcome::Unreadable, {}, false},
                    messages::kCouldNotOpen + path + "': " + why);
    }
    ::close(fd);
    return readDocumentText(text, path, host);
}

}  // namespace wendle::document
