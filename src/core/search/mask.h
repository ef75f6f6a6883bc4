#pragma once
// File-name masks: "*" (any run of characters), "?" (one character), "[...]" sets with
// "!" negation and "a-z" ranges, anything else literal. Letters compare without regard
// to case by the ASCII rule only, so "á" and "Á" stay different characters.
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kefelo::search {

// A mask that cannot be compiled; what() is the text shown to the user.
class InvalidMask : public std::runtime_error {
public:
    InvalidMask(std::string mask, int position);
    const std::string& mask() const { return mask_; }
    // 1-based character position of the fault; one past the end when the text ran out.
    int position() const { return position_; }

private:
    std::string mask_;
    int position_;
};

// A name as the matcher sees it: every dot but the last is dropped ("a.b.c.txt" reads as
// "abc.txt"). Reads UTF-8 in place, one character at a time, so names of any length are
// matched without copying.
class FoldedName {
public:
    explicit FoldedName(std::string_view name);
    size_t start() const { return skipDroppedDots(0); }
    bool atEnd(size_t pos) const { return pos >= name_.size(); }
    // The character at pos (not at the end) and the position of the one after it.
    char32_t at(size_t pos, size_t& next) const;

    // Backwards over the name's last characters, for the matcher's quick rejection.
    std::string_view bytes() const { return name_; }
    bool dropsDotAt(size_t pos) const { return pos < lastDot_ && name_[pos] == '.'; }

private:
    size_t skipDroppedDots(size_t pos) const {
        while (pos < lastDot_ && name_[pos] == '.') ++pos;
        return pos;
    }
    std::string_view name_;
    size_t lastDot_;  // 0 when there is no dot: then no dot is ever dropped
};

class TMask {
public:
    static constexpr int kMaxWildcards = 255;

    // Throws InvalidMask.
    explicit TMask(std::string_view mask);

    bool Matches(std::string_view fileName) const { return Matches(FoldedName(fileName)); }
    bool Matches(const FoldedName& name) const;

    // What every name this mask matches has, read off the compiled states: a set of masks
    // uses it to pass over most masks without running the matcher. Characters are ASCII
    // in upper case; 0 means no demand. Places are those of the folded name.
    struct Requirements {
        bool dot = false;   // a literal "." has to meet the name's (only) dot
        char first = 0;     // the first character
        char last = 0;      // the last character
        char afterDot = 0;  // the character right after the dot
        // The mask ends in "." and plain ASCII characters: every match has exactly this
        // extension (without its dot).
        std::optional<std::string> extension;
        // ... and asks nothing else ("*.TMP"): every name with that extension matches.
        bool extensionOnly = false;
    };
    Requirements requirements() const;

private:
    enum class Kind : uint8_t { Literal, Any, Set, End };

    struct CharSet {
        std::array<uint64_t, 4> low{};                    // characters below 256
        std::vector<std::pair<char32_t, char32_t>> high;  // inclusive ranges above
        bool contains(char32_t c) const;
        void addRange(char32_t from, char32_t to);
        bool empty() const;
    };

    struct State {
        Kind kind = Kind::Literal;
        bool skip = false;    // preceded by "*"
        bool negate = false;  // sets only
        uint32_t set = 0;     // index into sets_
        char32_t literal = 0;
    };

    bool accepts(const State& state, char32_t c) const;
    bool tailRejects(const FoldedName& name) const;

    std::vector<State> states_;
    std::vector<CharSet> sets_;
    // States from here to the end of the name follow the last "*" and match a fixed
    // number of characters at the end of every matching name; none when the mask ends
    // in "*".
    size_t tailStart_ = 0;
    bool hasTail_ = false;
};

}  // namespace kefelo::search
