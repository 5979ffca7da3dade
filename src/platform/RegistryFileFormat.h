#pragma once

#include <string>
#include <string_view>

#include "platform/RegistryTree.h"

namespace wendle::platform {

// The text form of one root of the store:
//
//   Wendle Registry Version 1
//
//   [Software\\Orvanta Software\\Wendle\\5\\mainWindow]
//   "Showed Preview Hint"=str:"true"
//   "Count"=dword:00000009
//   "MRUList"=hex:07,00,00,00,02,00,00,00,61,62
//
// Key paths and texts escape "\" as \\, the double quote as \" and every
// control byte as \n, \r, \t or \xHH; other bytes are written as they are.
// An empty value name is written as @. Each value stands on one line; lines
// are separated by LF (a CR before it is tolerated).
class RegistryFileFormat {
  public:
    static constexpr std::string_view kHeader = "Wendle Registry Version 1";

    struct ParseResult {
        RegistryTree tree;
        bool recognised = false;  // the header line was ours
        int skippedLines = 0;     // lines that did not parse and were left out
    };

    // Strict, line by line. A file without our header gives no values at
    // all. Otherwise a line that does not parse is skipped and counted; when
    // that line was a [key] line, the value lines after it are skipped too,
    // up to the next good [key] line, so no value lands in the wrong key.
    static ParseResult parse(std::string_view text);

    static std::string serialize(const RegistryTree& tree);

    // The escaping of texts, key paths and value names.
    static std::string escape(std::string_view raw);
    // False when the text holds a bad escape or an unescaped double quote.
    static bool unescape(std::string_view escaped, std::string& raw);
};

}  // namespace wendle::platform
