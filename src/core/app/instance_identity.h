#pragma once
// What makes two running processes copies of the same program, and the 16-byte block
// the copies exchange to find each other.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/time/datetime.h"

namespace kefelo::app {

// Reflected CRC-32 (polynomial 0xEDB88320, register starting at 0xFFFFFFFF) without the
// final inversion: the exchange protocol carries the raw register value, and other
// copies compare it as such.
uint32_t crc32Register(std::string_view bytes);

// Size, byte sum and checksum of the executable's bytes. All zero when the file could not
// be read; equal identities mean the same executable, wherever it runs from.
struct InstanceIdentity {
    uint32_t size = 0;
    uint32_t byteSum = 0;
    uint32_t checksum = 0;
    bool operator==(const InstanceIdentity&) const = default;
};

InstanceIdentity computeInstanceIdentity(std::string_view executableBytes);

// The answer of a running copy: its two window handles (32 significant bits, as window
// handles are across processes) and the time it started.
struct InstanceReply {
    uint32_t applicationWindow = 0;
    uint32_t mainWindow = 0;  // 0 while the main window has no handle yet
    timeutil::TDateTime startTime = 0.0;
    bool operator==(const InstanceReply&) const = default;
};

inline constexpr size_t kExchangeBlockSize = 16;
using ExchangeBlock = std::array<uint8_t, kExchangeBlockSize>;

// Request: size at 0, byte sum at 4, checksum at 8, little-endian; bytes 12..15 untouched.
void writeRequest(ExchangeBlock& block, const InstanceIdentity& identity);
InstanceIdentity readRequest(const ExchangeBlock& block);
// Reply: application window at 0, main window at 4, start time as an 8-byte double at 8.
void writeReply(ExchangeBlock& block, const InstanceReply& reply);
InstanceReply readReply(const ExchangeBlock& block);

// The oldest copy first; copies that started at the same moment keep their order.
void sortByStartTime(std::vector<InstanceReply>& instances);

}  // namespace kefelo::app
