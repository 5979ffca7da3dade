#pragma once

#include <string>
#include <vector>

#include "model/VelkForm.h"

namespace wendle::document {

class DocumentHost;

// A document file as a save produces it, and the HTML block rebuilt for it.
struct ComposedDocument {
    std::string bytes;
    std::vector<std::string> html;
};

// Composes the version 5.0 file of this applet: the 33 header lines, a record
// per state of every button, the 13 text box lines, then the HTML block
// between "[BEGIN HTML]" and "[END HTML]"; every line ends in CR LF.
//
// The records take the values as they are now; the HTML block is rebuilt
// afterwards, so the placeholders it stores in the applet appear in this
// file's HTML section and only in the records of the next save.
//
// No value but a caption may span lines: a line feed inside any other text
// is written as a blank, and a caption line break is either CR LF or a bare
// line feed, so every file written reads back line for line.
ComposedDocument composeDocument(TVelkForm& applet);

enum class SaveOutcome {
    NoPath,  // the applet has no documentPath: nothing was written
    Saved,
    Failed,  // the message says why; the file on disk is as it was
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::NoPath;
    std::string message;
    bool saved() const { return outcome == SaveOutcome::Saved; }
};

// Save: writes the applet to its documentPath, replacing the file in one
// step. On success `modified` is cleared and the path goes to the top of the
// recent documents; on failure the host shows the message, the old file is
// intact and `modified` stays as it was. The host sees the rebuilt HTML
// block either way.
SaveResult writeDocument(TVelkForm& applet, DocumentHost& host);

}  // namespace wendle::document
