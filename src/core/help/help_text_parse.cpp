#include <cstddef>

#include "base/text/codec.h"
#include "core/help/help_text.h"

namespace kefelo::help {
namespace {

// An opening line begins with "<" and its third character is not "/".
bool isOpeningLine(std::string_view line) {
    return !line.empty() && line[0] == '<' && !(line.size() > 2 && line[2] == '/');
}

// The opening line without its first two and last two characters; a line too short to
// hold both ends gives an empty title rather than reading outside it.
std::string titleOf(std::string_view line) {
    if (line.size() < 4) return {};
    return std::string(line.substr(2, line.size() - 4));
}

}  // namespace

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::vector<HelpTopic> parseTopics(const std::vector<std::string>& lines) {
    std::vector<HelpTopic> topics;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!isOpeningLine(lines[i])) continue;
        HelpTopic topic;
        topic.title = titleOf(lines[i]);
        const std::string closing = "< /" + topic.title + " >";
        size_t first = i + 1;
        // The empty line after the opening line belongs to the markers; a text without it
        // loses no line of its own.
        if (first < lines.size() && lines[first].empty()) ++first;
        size_t end = first;
        while (end < lines.size() && lines[end] != closing && !isOpeningLine(lines[end])) ++end;
        topic.lines.assign(lines.begin() + static_cast<std::ptrdiff_t>(first),
                           lines.begin() + static_cast<std::ptrdiff_t>(end));
        topics.push_back(std::move(topic));
        // The next topic is looked for after this one's closing line, or from the opening
        // line that cut this one short.
        i = (end < lines.size() && lines[end] == closing) ? end : end - 1;
    }
    return topics;
}

std::string documentationFileBytes() { return text::encodeLines(splitLines(builtInHelpText())); }

}  // namespace kefelo::help
