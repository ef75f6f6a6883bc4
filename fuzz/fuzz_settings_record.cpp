// Any bytes either are no record (too short) or decode to one whose encoding is exactly
// 2120 bytes, keeps the bytes the program does not interpret, and is a fixed point.
// Short inputs are also tried zero-padded to a full record, so small inputs reach the
// field decoding too.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/config/settings_record.h"

namespace {

using namespace kefelo::config;

void checkRoundTrip(std::string_view input) {
    auto decoded = decodeSettingsRecord(input);
    if (!decoded) {
        if (input.size() >= kSettingsRecordSize) std::abort();
        return;
    }
    const std::string first = encodeSettingsRecord(*decoded);
    if (first.size() != kSettingsRecordSize) std::abort();
    for (size_t i : {0, 1, 5, 40, 1577, 1578, 1579, 1849, 1850, 1851}) {
        if (first[i] != input[i]) std::abort();
    }
    for (size_t i = 1856; i < kSettingsRecordSize; ++i) {
        if (first[i] != input[i]) std::abort();
    }
    auto again = decodeSettingsRecord(first);
    if (!again || encodeSettingsRecord(*again) != first) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    checkRoundTrip(input);
    if (size < kSettingsRecordSize) {
        std::string padded(input);
        padded.resize(kSettingsRecordSize, '\0');
        checkRoundTrip(padded);
    }
    return 0;
}
