#pragma once

#include <string>

#include "document/DocumentHost.h"

namespace wendle {
class TVelkForm;
}

namespace wendle::cli {

// Reads a document as Open does. Every message the reader shows goes to
// standard error (a missing file, which the editor passes over in silence,
// is said too). True when the applet was read or imported completely.
bool readForCommand(const std::string& path, document::DocumentHost& host);

// Saves the applet to path as Save As does; a failure is said on standard
// error. Returns the exit status: 0 saved, 1 not.
int saveForCommand(TVelkForm& applet, const std::string& path, document::DocumentHost& host);

}  // namespace wendle::cli
