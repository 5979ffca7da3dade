#pragma once

// The model's own texts, letter for letter.
namespace wendle::messages {

inline constexpr const char* kMaxButtons =
    "Sorry, you have reached the maximum number of buttons allowed.";

inline constexpr const char* kCheckCharacters =
    "        You cannot use the |, ~ or \" character.\n"
    "Remove these characters or the applet will not work.";

inline constexpr const char* kCheckCharacters2 =
    "        You cannot use the | or \" character.\n"
    "Remove these characters or the applet will not work.";

inline constexpr const char* kGeneratorLine =
    "<PARAM NAME=\"GENERATOR\" VALUE=\"CREATED WITH THE WENDLE WWW.WENDLE.EXAMPLE\">";

}  // namespace wendle::messages
