#pragma once

#include <cstdint>
#include <string>

namespace wendle {

// Attribute bits of a search record, as the platform's folder search
// reports them. faHidden marks names that begin with "."; faSymLink marks a
// symbolic link (reported, never followed).
inline constexpr int faReadOnly = 0x01;
inline constexpr int faHidden = 0x02;
inline constexpr int faDirectory = 0x10;
inline constexpr int faArchive = 0x20;
inline constexpr int faSymLink = 0x400;

// One entry of a folder, as the search reports it (`fileinfo`).
struct TSearchRec {
    std::string Name;
    std::int64_t Size = 0;  // bytes; 0 for a folder
    int Attr = 0;           // fa* bits
    std::int64_t Time = 0;  // last modification, seconds since 1970-01-01 UTC
};

}  // namespace wendle
