#pragma once
// The program's built-in documentation and its division into topics.
#include <string>
#include <string_view>
#include <vector>

namespace kefelo::help {

// The whole documentation, lines separated by "\n". Each topic is an opening line
// "< title >", an empty line, its lines, an empty line and a closing line "< /title >".
std::string_view builtInHelpText();

struct HelpTopic {
    std::string title;
    std::vector<std::string> lines;  // what the view shows, without the markers
};

// Splits a text into lines at "\n", "\r\n" or "\r".
std::vector<std::string> splitLines(std::string_view text);

// Every opening line becomes a topic, in text order. A topic's lines run from after the
// empty line that follows its opening line to its closing line; when the closing line is
// missing they stop at the next opening line or at the end of the text.
std::vector<HelpTopic> parseTopics(const std::vector<std::string>& lines);

// The documentation as "olvassel.txt" holds it: Windows-1250, CR LF after every line.
std::string documentationFileBytes();

}  // namespace kefelo::help
