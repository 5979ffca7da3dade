#pragma once

// The texts of publishing: the test page and the working folders.
namespace wendle::document::messages {

inline constexpr const char* kSelectBrowser =
    "You must select a browser before testing the Applet. Choose one in Options > Browser.";

}  // namespace wendle::document::messages
