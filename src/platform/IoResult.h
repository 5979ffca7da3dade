#pragma once

#include <string>
#include <utility>

namespace wendle::platform {

// The outcome of an operation on files or processes. On failure `message`
// holds the subject and the system's own error text ("/a/b: Permission
// denied"), ready to be shown to the user; `reason` holds the text alone,
// for callers that name the subject in their own words.
struct IoResult {
    bool ok = true;
    int errorCode = 0;  // errno of the failure, 0 when not from the system
    std::string message;
    std::string reason;

    static IoResult success() { return {}; }
    static IoResult failure(std::string text, int code = 0) {
        IoResult result{false, code, text, text};
        return result;
    }
    // "<subject>: <system error text>" for the errno value `code`.
    static IoResult systemFailure(const std::string& subject, int code);
    // "<subject>: <reason>" for a refusal that is not the system's.
    static IoResult refused(const std::string& subject, std::string reason);

    explicit operator bool() const { return ok; }
};

// The system's text for an errno value.
std::string systemErrorText(int code);

}  // namespace wendle::platform
