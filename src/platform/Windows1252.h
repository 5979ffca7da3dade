#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendle::platform {

// The program keeps its texts as Windows-1252 bytes, as its documents store
// them; the file system and the desktop speak UTF-8. This is the one table
// between the two, so every part of the program that turns a stored name
// into a file name finds the same file.

// The character of one byte. 0x80..0x9F are the code page's letters and
// signs; the five bytes it leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// keep their own value, as the platform's conversion does, so every byte
// has a character and every text converts.
char16_t windows1252CodePoint(unsigned char byte);

// The byte of a character, or none for a character outside the code page.
std::optional<unsigned char> windows1252Byte(char32_t character);

std::string windows1252ToUtf8(std::string_view text);

// The stored form of a UTF-8 text; none when a character is outside the code
// page or the text is not valid UTF-8.
std::optional<std::string> utf8ToWindows1252(std::string_view text);

}  // namespace wendle::platform
