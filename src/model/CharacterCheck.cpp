#include "model/CharacterCheck.h"

namespace wendle {

bool checkCharacters(std::string_view text) {
    return text.find_first_of("|~\"") != std::string_view::npos;
}

bool checkCharacters2(std::string_view text) {
    return text.find_first_of("|\"") != std::string_view::npos;
}

}  // namespace wendle
