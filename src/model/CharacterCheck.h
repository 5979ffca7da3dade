#pragma once

#include <string_view>

namespace wendle {

// The characters that would break the applet's parameter syntax are refused
// when the user types them; there is no escaping anywhere.
//
// True when the text holds "|", "~" or a double quote: captions, status,
// hint and the text-box message typed in the button properties window.
// The caller shows messages::kCheckCharacters and stores nothing.
bool checkCharacters(std::string_view text);

// True when the text holds "|" or a double quote: file names typed by hand,
// link, frame and the text-box message typed in the text box window. The
// caller shows messages::kCheckCharacters2 and stores nothing.
bool checkCharacters2(std::string_view text);

}  // namespace wendle
