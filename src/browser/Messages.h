#pragma once

#include <string>

namespace wendle {

// The error a search reports for a folder that, when the search came back
// to it, was no longer the folder it had listed.
inline constexpr int kReplacedWhileSearched = 0x10000;  // beyond every errno

// Why a folder or file was skipped, in words, for an error the search reported.
std::string skipReason(int error);

}  // namespace wendle
