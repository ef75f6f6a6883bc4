#include "core/app/command_line.h"

#include "base/text/codec.h"

namespace kefelo::app {

std::vector<std::string> splitCommandLine(std::string_view commandLine) {
    std::vector<std::string> tokens;
    size_t i = 0;
    const size_t n = commandLine.size();
    auto isSeparator = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (true) {
        while (i < n && isSeparator(commandLine[i])) ++i;
        if (i >= n) break;
        std::string token;
        bool quoted = false;
        while (i < n && (quoted || !isSeparator(commandLine[i]))) {
            if (commandLine[i] == '"') {
                quoted = !quoted;
            } else {
                token.push_back(commandLine[i]);
            }
            ++i;
        }
        tokens.push_back(std::move(token));
    }
    if (!tokens.empty()) tokens.erase(tokens.begin());
    return tokens;
}

CommandLine::CommandLine(std::vector<std::string> params) : params_(std::move(params)) {
    for (const auto& p : params_) {
        joined_ += p;
        joined_ += ' ';
    }
    if (!params_.empty()) first_ = params_.front();
    firstLower_ = text::asciiLower(first_);
}

bool CommandLine::HasSwitch(std::string_view name) const {
    const std::string haystack = text::asciiLower(joined_);
    const std::string lowerName = text::asciiLower(name);
    if (haystack.find("\\" + lowerName) != std::string::npos) return true;
    if (haystack.find("/" + lowerName) != std::string::npos) return true;
    return name.empty() && params_.empty();
}

bool CommandLine::firstIs(std::string_view lowerCaseSwitch) const { return firstLower_ == lowerCaseSwitch; }

}  // namespace kefelo::app
