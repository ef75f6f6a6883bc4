#pragma once
// Text inside the program is UTF-8; the program's own files are Windows-1250 with CR LF.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kefelo::text {

// UTF-8 to Windows-1250; characters the code page cannot hold become '?'.
std::string utf8ToCp1250(std::string_view utf8);
std::string cp1250ToUtf8(std::string_view bytes);
// True when utf8ToCp1250 keeps every character: no '?' stands in for anything, so the text
// reads back from the program's files as it was written. Malformed UTF-8 never fits.
bool fitsCp1250(std::string_view utf8);

// Lines joined with CR LF after each one, encoded as Windows-1250.
std::string encodeLines(const std::vector<std::string>& lines);
// Splits Windows-1250 bytes into UTF-8 lines; CR, LF and CR LF each end a line.
// A final line without an ending counts; an ending at the very end adds no empty line.
std::vector<std::string> decodeLines(std::string_view bytes);

// Decodes one UTF-8 sequence at pos (advancing it); malformed bytes decode as U+FFFD.
char32_t nextCodePoint(std::string_view utf8, size_t& pos);
void appendUtf8(std::string& out, char32_t cp);

// ASCII-only case mapping ("a".."z" only), as the mask matcher and switch test use.
std::string asciiUpper(std::string_view s);
std::string asciiLower(std::string_view s);
// Case mapping of every letter Windows-1250 holds (Hungarian accents included),
// the way the system compares names "without regard to letter case".
std::string lower(std::string_view utf8);
std::string upper(std::string_view utf8);
bool equalsNoCase(std::string_view a, std::string_view b);
// Substring search in upper case (own-type similarity check).
bool containsNoCase(std::string_view haystack, std::string_view needle);

// Trailing blanks removed (blanks only, as the mask list parser does).
std::string trimRightBlanks(std::string_view s);

}  // namespace kefelo::text
