#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "browser/PackageDatabase.h"

namespace wendle {

// Whether `path` is a program file a browser could be started from: a
// regular file (a link to one counts) that may be executed.
bool isExecutableFile(const std::string& path);

// The value of Version= in the [App] section of an application.ini file.
std::optional<std::string> applicationIniVersion(const std::string& iniPath);

// The version text of a found browser program: the version of the installed
// package that owns it, else the Version of an application.ini beside it
// (beside the program, or beside the file a link leads to), else empty.
// This platform has no version resources in program files, and a found
// program is never run to ask it.
std::string browserVersion(const std::string& programPath, const PackageDatabase& packages);

}  // namespace wendle
