#pragma once

#include <string>
#include <utility>

namespace wendle::platform {

// The outcome of an operation on files or processes. On failure `message`
// holds the subject and the system's own error text ("/a/b: Permission
// denied"), ready to be shown to the user.
struct IoResult {
    bool ok = true;
    int errorCode = 0;  // errno of the failure, 0 when not from the system
    std::string message;

    static IoResult success() { return {}; }
    static IoResult failure(std::string text, int code = 0) {
        return IoResult{false, code, std::move(text)};
    }
    // "<subject>: <system error text>" for the errno value `code`.
    static IoResult systemFailure(const std::string& subject, int code);

    explicit operator bool() const { return ok; }
};

// The system's text for an errno value.
std::string systemErrorText(int code);

}  // namespace wendle::platform
