#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendle {

// The system's package database (dpkg), read as plain files: which installed
// package a file belongs to, and that package's version. Nothing is run.
class PackageDatabase {
  public:
    explicit PackageDatabase(std::string folder = "/var/lib/dpkg");

    // The package whose file list names `path`, as dpkg names it there:
    // "firefox-esr", or "libfoo:amd64" for a package of several architectures.
    std::optional<std::string> owningPackage(std::string_view path) const;
    // The version of an installed package ("name" or "name:arch").
    std::optional<std::string> installedVersion(std::string_view package) const;
    // Both in one: the version of the installed package that owns `path`.
    std::optional<std::string> versionOwning(std::string_view path) const;

  private:
    std::string folder_;
};

}  // namespace wendle
