#include "base/text/batch_quote.h"

#include "base/text/codec.h"

namespace kefelo::text {
namespace {

// cmd reads at most 8191 characters a line; the copy line holds two paths and its words.
constexpr size_t kMaxQuotedPath = 4000;

bool isDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// One name between separators, as it has to be for the quoted path to mean that name.
// Above ASCII only when the batch is read in the code page it is written in.
bool nameIsExact(std::string_view name, BatchCharset charset) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.back() == '.' || name.back() == ' ') return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x80 && charset == BatchCharset::Ascii)) return false;
        if (std::string_view("\"*?<>|:/").find(c) != std::string_view::npos) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> batchQuoted(std::string_view path, BatchCharset charset) {
    std::string_view names;
    size_t minimumNames = 1;
    if (path.size() >= 3 && isDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\') {
        names = path.substr(3);
    } else if (path.starts_with("\\\\")) {
        names = path.substr(2);
        minimumNames = 3;  // server, share and at least one name in it
    } else {
        return std::nullopt;
    }
    size_t count = 0;
    for (size_t start = 0;; ++count) {
        const size_t end = names.find('\\', start);
        if (!nameIsExact(names.substr(start, end - start), charset)) return std::nullopt;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (count + 1 < minimumNames) return std::nullopt;
    const std::string encoded = text::utf8ToCp1250(path);
    if (text::cp1250ToUtf8(encoded) != path || encoded.size() > kMaxQuotedPath) return std::nullopt;

    std::string quoted = "\"";
    for (char c : path) {
        quoted += c;
        if (c == '%') quoted += '%';
    }
    quoted += '"';
    return quoted;
}

}  // namespace kefelo::text
