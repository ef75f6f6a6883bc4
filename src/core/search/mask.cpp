#include "core/search/mask.h"

#include "base/text/codec.h"

namespace kefelo::search {
namespace {

char32_t asciiUpper(char32_t c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

std::string invalidMaskText(const std::string& mask, int position) {
    std::string text = "'" + mask + "' is an invalid mask at (";
    text += std::to_string(position);
    text += ")";
    return text;
}

std::vector<char32_t> decode(std::string_view utf8) {
    std::vector<char32_t> out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) out.push_back(text::nextCodePoint(utf8, pos));
    return out;
}

}  // namespace

InvalidMask::InvalidMask(std::string mask, int position)
    : std::runtime_error(invalidMaskText(mask, position)), mask_(std::move(mask)), position_(position) {}

FoldedName::FoldedName(std::string_view name) : name_(name) {
    size_t dot = name.rfind('.');
    lastDot_ = dot == std::string_view::npos ? 0 : dot;
}

char32_t FoldedName::at(size_t pos, size_t& next) const {
    unsigned char byte = static_cast<unsigned char>(name_[pos]);
    char32_t c;
    if (byte < 0x80) {
        c = byte;
        ++pos;
    } else {
        c = text::nextCodePoint(name_, pos);
    }
    next = skipDroppedDots(pos);
    return c;
}

bool TMask::CharSet::contains(char32_t c) const {
    if (c < 256) return (low[c >> 6] >> (c & 63)) & 1;
    for (const auto& [from, to] : high)
        if (c >= from && c <= to) return true;
    return false;
}

void TMask::CharSet::addRange(char32_t from, char32_t to) {
    for (char32_t c = from; c <= to && c < 256; ++c) low[c >> 6] |= uint64_t{1} << (c & 63);
    if (to >= 256) high.emplace_back(from < 256 ? 256 : from, to);
}

bool TMask::CharSet::empty() const { return high.empty() && low == std::array<uint64_t, 4>{}; }

TMask::TMask(std::string_view maskText) {
    const std::vector<char32_t> mask = decode(maskText);
    const int length = static_cast<int>(mask.size());
    int wildcards = 0;
    bool skip = false;
    states_.reserve(mask.size() + 1);

    // `position` is 1-based, where the element that writes the state ended.
    auto emit = [&](State state, int position) {
        state.skip = skip;
        if (skip && ++wildcards > kMaxWildcards) throw InvalidMask(std::string(maskText), position);
        skip = false;
        states_.push_back(state);
    };

    for (int i = 0; i < length; ++i) {
        const char32_t c = mask[i];
        if (c == '*') {
            skip = true;
        } else if (c == '?') {
            // After "*" a single "?" adds nothing: the "*" already covers it.
            if (!skip) emit(State{Kind::Any}, i + 1);
        } else if (c == '[') {
            State state{Kind::Set};
            CharSet set;
            int j = i + 1;
            if (j < length && mask[j] == '!') {
                state.negate = true;
                ++j;
            }
            bool haveStart = false;
            char32_t rangeStart = 0;
            for (;;) {
                if (j >= length) throw InvalidMask(std::string(maskText), length + 1);
                const char32_t m = mask[j];
                if (m == ']') break;
                if (m == '-') {
                    if (!haveStart) throw InvalidMask(std::string(maskText), j + 1);
                    if (j + 1 >= length) throw InvalidMask(std::string(maskText), length + 1);
                    const char32_t to = asciiUpper(mask[j + 1]);
                    if (to >= rangeStart) set.addRange(rangeStart, to);
                    j += 2;
                } else {
                    rangeStart = asciiUpper(m);
                    haveStart = true;
                    set.addRange(rangeStart, rangeStart);
                    ++j;
                }
            }
            if (set.empty()) throw InvalidMask(std::string(maskText), j + 1);
            state.set = static_cast<uint32_t>(sets_.size());
            sets_.push_back(std::move(set));
            emit(state, j + 1);
            i = j;
        } else {
            State state{Kind::Literal};
            state.literal = asciiUpper(c);
            emit(state, i + 1);
        }
    }
    emit(State{Kind::End}, length + 1);

    hasTail_ = !states_.back().skip;
    for (size_t i = 0; i < states_.size(); ++i)
        if (states_[i].skip) tailStart_ = i;
}

TMask::Requirements TMask::requirements() const {
    Requirements r;
    auto asciiLiteral = [this](size_t i) {
        const State& s = states_[i];
        return s.kind == Kind::Literal && s.literal < 0x80 ? static_cast<char>(s.literal) : char{0};
    };
    const size_t end = states_.size() - 1;  // the end-of-name state
    if (!states_[0].skip) r.first = asciiLiteral(0);
    if (!states_[end].skip && end > 0) r.last = asciiLiteral(end - 1);

    size_t dot = end;
    for (size_t i = 0; i < end; ++i)
        if (states_[i].kind == Kind::Literal && states_[i].literal == '.') dot = i;
    if (dot == end) return r;
    r.dot = true;
    if (dot + 1 < end && !states_[dot + 1].skip) r.afterDot = asciiLiteral(dot + 1);

    if (states_[end].skip) return r;
    std::string extension;
    for (size_t i = dot + 1; i < end; ++i) {
        const char c = asciiLiteral(i);
        if (states_[i].skip || c == 0) return r;
        extension += c;
    }
    r.extension = std::move(extension);
    r.extensionOnly = dot == 0 && states_[0].skip;
    return r;
}

bool TMask::accepts(const State& state, char32_t c) const {
    switch (state.kind) {
        case Kind::Literal:
            return asciiUpper(c) == state.literal;
        case Kind::Any:
            return true;
        case Kind::Set:
            return sets_[state.set].contains(asciiUpper(c)) != state.negate;
        case Kind::End:
            return false;
    }
    return false;
}

// Most names of a walk fail on their last characters ("*.tmp" against "setup.exe"), and
// those are read backwards here without running the matcher. Only plain ASCII is read
// this way; anything else is left to the matcher.
bool TMask::tailRejects(const FoldedName& name) const {
    const std::string_view bytes = name.bytes();
    size_t pos = bytes.size();
    for (size_t i = states_.size() - 1; i-- > tailStart_;) {
        do {
            if (pos == 0) return true;  // shorter than the tail
            --pos;
            if (static_cast<unsigned char>(bytes[pos]) >= 0x80) return false;
        } while (name.dropsDotAt(pos));
        if (!accepts(states_[i], static_cast<unsigned char>(bytes[pos]))) return true;
    }
    return false;
}

// Backtracking with one resume point, at the latest "*" met. Letting an earlier "*"
// swallow more can never help once a later one has been placed at its earliest
// position (the later "*" can swallow the same characters), so this finds a match
// exactly when a full search over every "*" would, but in time proportional to
// name length times mask length instead of exponential time.
bool TMask::Matches(const FoldedName& name) const {
    if (hasTail_ && tailRejects(name)) return false;
    constexpr size_t kNone = ~size_t{0};
    size_t stateIndex = 0;
    size_t pos = name.start();
    size_t resumeState = kNone;
    size_t resumePos = 0;

    for (;;) {
        const State& state = states_[stateIndex];
        if (state.kind == Kind::End) {
            if (state.skip || name.atEnd(pos)) return true;
        } else {
            if (state.skip) {
                // Run ahead to the first character this state accepts.
                size_t next = 0;
                while (!name.atEnd(pos) && !accepts(state, name.at(pos, next))) pos = next;
                resumeState = stateIndex;
                resumePos = pos;
            }
            if (!name.atEnd(pos)) {
                size_t next = 0;
                if (accepts(state, name.at(pos, next))) {
                    pos = next;
                    ++stateIndex;
                    continue;
                }
            }
        }
        // This attempt failed: let the latest "*" take one more character.
        if (resumeState == kNone || name.atEnd(resumePos)) return false;
        name.at(resumePos, pos);
        stateIndex = resumeState;
    }
}

}  // namespace kefelo::search
