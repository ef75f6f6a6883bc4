#include "core/search/compiled_mask_set.h"

#include "core/search/mask_list.h"

namespace kefelo::search {
namespace {

constexpr size_t kPackedLength = 8;

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Up to eight bytes, upper-cased by the ASCII rule, little end first.
uint64_t pack(std::string_view text) {
    uint64_t key = 0;
    for (size_t i = 0; i < text.size(); ++i)
        key |= uint64_t{static_cast<unsigned char>(upperAscii(text[i]))} << (8 * i);
    return key;
}

uint64_t slotHash(uint64_t key, uint32_t length) { return (key ^ length) * 0x9E3779B97F4A7C15ull; }

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = upperAscii(c);
    return out;
}

}  // namespace

// The characters of a name that the quick tests look at, in the form the matcher sees
// (dots but the last dropped). Anything but plain ASCII never equals a demanded
// character, and bytes of multi-byte characters are never ASCII, so bytes will do.
struct CompiledMaskSet::NameFacts {
    explicit NameFacts(std::string_view n) : name(n) {
        const size_t dot = n.rfind('.');
        hasDot = dot != std::string_view::npos;
        size_t start = 0;
        if (hasDot) {
            while (start < dot && n[start] == '.') ++start;
            extension = n.substr(dot + 1);
            afterDot = dot + 1 < n.size() ? upperAscii(n[dot + 1]) : char{0};
        }
        first = start < n.size() ? upperAscii(n[start]) : char{0};
        last = n.empty() ? char{0} : upperAscii(n.back());
    }
    std::string_view name;
    std::string_view extension;
    bool hasDot;
    char first, last, afterDot = 0;
};

CompiledMaskSet::CompiledMaskSet(std::string_view fileMask) {
    const std::vector<std::string> texts = parseMaskList(fileMask);
    masks_.reserve(texts.size());
    for (const std::string& text : texts) masks_.emplace_back(text);
    for (uint32_t i = 0; i < masks_.size(); ++i) add(i);
    buildTable();
    allExtensions_.clear();
}

void CompiledMaskSet::add(uint32_t index) {
    const TMask::Requirements r = masks_[index].requirements();
    const Filtered filtered{index, r.dot, r.first, r.last, r.afterDot};
    if (!r.extension) {
        loose_.push_back(filtered);
        return;
    }
    Bucket& bucket = bucketFor(*r.extension);
    if (bucket.anyName) return;
    if (r.extensionOnly) {
        bucket.anyName = true;
        bucket.masks.clear();
        return;
    }
    bucket.masks.push_back(filtered);
}

CompiledMaskSet::Bucket& CompiledMaskSet::bucketFor(const std::string& extension) {
    const auto [it, added] = allExtensions_.try_emplace(extension, static_cast<uint32_t>(buckets_.size()));
    if (added) buckets_.emplace_back();
    return buckets_[it->second];
}

void CompiledMaskSet::buildTable() {
    size_t packed = 0;
    for (const auto& [extension, bucket] : allExtensions_)
        if (!extension.empty() && extension.size() <= kPackedLength) ++packed;
    size_t capacity = 8;
    tableShift_ = 61;
    while (capacity < packed * 2) {
        capacity *= 2;
        --tableShift_;
    }
    table_.assign(packed ? capacity : 0, Slot{});
    for (const auto& [extension, bucket] : allExtensions_) {
        if (extension.empty()) {
            emptyExtensionBucket_ = static_cast<int>(bucket);
        } else if (extension.size() > kPackedLength) {
            longExtensions_.emplace(extension, bucket);
        } else {
            const uint64_t key = pack(extension);
            const auto length = static_cast<uint32_t>(extension.size());
            size_t slot = slotHash(key, length) >> tableShift_;
            while (table_[slot].length != 0) slot = (slot + 1) & (table_.size() - 1);
            table_[slot] = Slot{key, length, bucket};
        }
    }
}

const CompiledMaskSet::Bucket* CompiledMaskSet::findBucket(std::string_view extension) const {
    if (extension.empty()) return emptyExtensionBucket_ < 0 ? nullptr : &buckets_[emptyExtensionBucket_];
    if (extension.size() > kPackedLength) {
        if (longExtensions_.empty()) return nullptr;
        const auto it = longExtensions_.find(upperAscii(extension));
        return it == longExtensions_.end() ? nullptr : &buckets_[it->second];
    }
    if (table_.empty()) return nullptr;
    const uint64_t key = pack(extension);
    const auto length = static_cast<uint32_t>(extension.size());
    for (size_t slot = slotHash(key, length) >> tableShift_;; slot = (slot + 1) & (table_.size() - 1)) {
        const Slot& s = table_[slot];
        if (s.length == 0) return nullptr;
        if (s.key == key && s.length == length) return &buckets_[s.bucket];
    }
}

bool CompiledMaskSet::test(const Filtered& f, const NameFacts& name) const {
    if (f.dot && !name.hasDot) return false;
    if (f.first && f.first != name.first) return false;
    if (f.last && f.last != name.last) return false;
    if (f.afterDot && f.afterDot != name.afterDot) return false;
    return masks_[f.mask].Matches(name.name);
}

bool CompiledMaskSet::Matches(std::string_view fileName) const {
    if (masks_.empty()) return false;
    const NameFacts name(fileName);
    if (name.hasDot && !buckets_.empty()) {
        if (const Bucket* bucket = findBucket(name.extension)) {
            if (bucket->anyName) return true;
            for (const Filtered& f : bucket->masks)
                if (test(f, name)) return true;
        }
    }
    for (const Filtered& f : loose_)
        if (test(f, name)) return true;
    return false;
}

}  // namespace kefelo::search
