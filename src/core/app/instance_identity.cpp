#include "core/app/instance_identity.h"

#include <algorithm>
#include <cstring>

namespace kefelo::app {
namespace {
constexpr std::array<uint32_t, 256> makeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}
constexpr auto kCrcTable = makeCrcTable();

void putU32(ExchangeBlock& block, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t getU32(const ExchangeBlock& block, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(block[offset + i]) << (8 * i);
    return value;
}
}  // namespace

uint32_t crc32Register(std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (char ch : bytes) crc = kCrcTable[(crc ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (crc >> 8);
    return crc;
}

InstanceIdentity computeInstanceIdentity(std::string_view executableBytes) {
    InstanceIdentity id;
    id.size = static_cast<uint32_t>(executableBytes.size());
    for (char ch : executableBytes) id.byteSum += static_cast<uint8_t>(ch);
    id.checksum = crc32Register(executableBytes);
    return id;
}

void writeRequest(ExchangeBlock& block, const InstanceIdentity& identity) {
    putU32(block, 0, identity.size);
    putU32(block, 4, identity.byteSum);
    putU32(block, 8, identity.checksum);
}

InstanceIdentity readRequest(const ExchangeBlock& block) {
    return {getU32(block, 0), getU32(block, 4), getU32(block, 8)};
}

void writeReply(ExchangeBlock& block, const InstanceReply& reply) {
    putU32(block, 0, reply.applicationWindow);
    putU32(block, 4, reply.mainWindow);
    uint64_t bits = 0;
    static_assert(sizeof bits == sizeof reply.startTime);
    std::memcpy(&bits, &reply.startTime, sizeof bits);
    putU32(block, 8, static_cast<uint32_t>(bits));
    putU32(block, 12, static_cast<uint32_t>(bits >> 32));
}

InstanceReply readReply(const ExchangeBlock& block) {
    InstanceReply reply;
    reply.applicationWindow = getU32(block, 0);
    reply.mainWindow = getU32(block, 4);
    const uint64_t bits = getU32(block, 8) | (static_cast<uint64_t>(getU32(block, 12)) << 32);
    std::memcpy(&reply.startTime, &bits, sizeof bits);
    return reply;
}

void sortByStartTime(std::vector<InstanceReply>& instances) {
    std::stable_sort(instances.begin(), instances.end(),
                     [](const InstanceReply& a, const InstanceReply& b) { return a.startTime < b.startTime; });
}

}  // namespace kefelo::app
