#pragma once
// The walker's masks made fast: a search with every category ticked tests each name
// against some seventy masks. Most of them read "*.EXT"; those are answered together by
// one look-up of the name's extension, and of the rest only those whose fixed
// characters (first, last, after the dot, the extension) suit the name run the matcher.
// Answers exactly as MaskList does.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/search/mask.h"

namespace kefelo::search {

class CompiledMaskSet {
public:
    CompiledMaskSet() = default;
    // Compiles every mask of a comma-separated list; throws InvalidMask on the first bad one.
    explicit CompiledMaskSet(std::string_view fileMask);

    // True when the name matches at least one mask; an empty list matches nothing.
    bool Matches(std::string_view fileName) const;
    size_t size() const { return masks_.size(); }

private:
    struct Filtered {
        uint32_t mask;  // index into masks_
        bool dot;
        char first, last, afterDot;
    };
    struct Bucket {
        bool anyName = false;  // a plain "*.EXT" is among them
        std::vector<Filtered> masks;
    };
    struct Slot {
        uint64_t key = 0;
        uint32_t length = 0;  // 0: empty slot (an empty extension is kept apart)
        uint32_t bucket = 0;
    };
    struct NameFacts;

    void add(uint32_t index);
    Bucket& bucketFor(const std::string& extension);
    const Bucket* findBucket(std::string_view extension) const;
    void buildTable();
    bool test(const Filtered& f, const NameFacts& name) const;

    std::vector<TMask> masks_;
    std::vector<Bucket> buckets_;
    std::vector<Filtered> loose_;  // masks without a fixed extension, tried for every name
    // Extensions of up to eight characters, packed into a key, in an open-addressing table.
    std::vector<Slot> table_;
    uint32_t tableShift_ = 64;
    std::unordered_map<std::string, uint32_t> longExtensions_;
    std::unordered_map<std::string, uint32_t> allExtensions_;  // while building
    int emptyExtensionBucket_ = -1;
};

}  // namespace kefelo::search
