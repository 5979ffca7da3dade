#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wendle::document {

class DocumentHost;

enum class ReadOutcome {
    Missing,        // no file at the path: nothing happened, nothing was shown
    Unreadable,     // the file could not be read: message shown, applet unchanged
    NotWendleFile,  // the first line was wrong: message shown, applet unchanged
    Read,           // a document of version 5.0, 4.5 or 4.0 was read
    Imported,       // a file of the older layout was imported (after the warning)
    Stopped,        // a line did not hold what it must: message shown, and the
                    // new applet holds what was read up to that line
};

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::Missing;
    // Everything shown to the user, in order.
    std::vector<std::string> messages;
    // The "different version" warning was shown (older layout).
    bool differentVersion = false;
    // A document of the current version was read whole, with nothing to
    // report: the applet holds what the file holds, so it has no unsaved
    // changes. Older versions and repaired files still differ from it.
    bool asWritten = false;
    bool succeeded() const {
        return outcome == ReadOutcome::Read || outcome == ReadOutcome::Imported;
    }
};

// Open: reads the document at path into a fresh applet put in place by the
// host. A path that names no file does nothing; any existing file first
// enters the recent documents. Versions 5.0, 4.5 and 4.0 are read, "Wendle 2
// File" is taken like "Wendle File", and any other second line is imported
// as the older layout after the "different version" warning.
//
// Whatever the file holds, the read ends with a consistent applet (one
// button per used slot, each with three states), buttonCount equal to the
// buttons that exist, and updatingControls clear. Only a complete read
// stores the document path, so a broken file is never saved over by
// accident.
ReadResult readDocument(const std::string& path, DocumentHost& host);

// Why a path gave ReadOutcome::Missing, for callers that must say so (the
// editor stays silent): "Could not open '<path>': " and the system's text.
std::string missingDocumentMessage(const std::string& path);

// The same for a document already in memory (path names it for the document
// path and the picture folder; the recent documents are not touched).
ReadResult readDocumentText(std::string_view text, const std::string& path, DocumentHost& host);

}  // namespace wendle::document
