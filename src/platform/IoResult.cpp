#include "platform/IoResult.h"

#include <cstring>

namespace wendle::platform {

std::string systemErrorText(int code) {
    char buffer[256];
    // The GNU variant may return a static text instead of filling the buffer.
    const char* text = strerror_r(code, buffer, sizeof buffer);
    return text ? std::string(text) : std::string("Unknown error");
}

IoResult IoResult::systemFailure(const std::string& subject, int code) {
    std::string reason = systemErrorText(code);
    return IoResult{false, code, subject + ": " + reason, reason};
}

IoResult IoResult::refused(const std::string& subject, std::string reason) {
    return IoResult{false, 0, subject + ": " + reason, std::move(reason)};
}

}  // namespace wendle::platform
