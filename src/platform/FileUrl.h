#pragma once

#include <string>
#include <string_view>

namespace wendle::platform {

// "file:///path/Wendle%20Help.html#topic-16" for an absolute path: every byte
// but letters, digits, "-._~" and "/" is percent-encoded, so the URL is also
// safe inside an HTML attribute, a script string or XML.
std::string fileUrl(std::string_view absolutePath, std::string_view fragment = {});

// Undoes percent-encoding; a "%" not followed by two hex digits stays as it is.
std::string percentDecoded(std::string_view text);

// The path a "file:" URL names ("file:///a" and "file://localhost/a" give
// "/a"); empty for any other URL.
std::string pathOfFileUrl(std::string_view url);

}  // namespace wendle::platform
