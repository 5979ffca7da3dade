#include "browser/Messages.h"

#include <cstring>

namespace wendle {

std::string skipReason(int error) {
    if (error == kReplacedWhileSearched)
        return "it was replaced while it was being searched";
    return std::strerror(error);
}

}  // namespace wendle
