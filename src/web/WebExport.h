#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/VelkForm.h"

namespace wendle::web {

// What an export did.
struct WebExportReport {
    std::vector<std::string> written;  // file names, in the order written
    // Sounds the bar names that were found nowhere (the page then plays
    // nothing for them).
    std::vector<std::string> missing;
    // Sounds whose files are no sounds (no .snd header): never published, so
    // a document cannot make the export upload any file of the user's.
    std::vector<std::string> refused;
};

// Writes the bar of the applet for the web into outDir: <name>.png (the
// sprite), <name>.css, velkbutton.js (from programFolder), the sounds the
// bar plays, and last index.html; <name> is made from the document's file
// name. Each file is replaced atomically; other files in outDir stay.
// None on success, otherwise what failed and why (files written before the
// failure stay, each of them complete).
std::optional<std::string> exportForWeb(TVelkForm& applet, const std::string& outDir,
                                        const std::string& programFolder, WebExportReport& report);

}  // namespace wendle::web
