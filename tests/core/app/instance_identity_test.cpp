#include "core/app/instance_identity.h"

#include <gtest/gtest.h>

using namespace kefelo::app;

TEST(Crc32Register, IsTheStandardCrcWithoutItsFinalInversion) {
    // The standard CRC-32 of "123456789" is 0xCBF43926; the register before inversion is
    // its complement.
    EXPECT_EQ(crc32Register("123456789"), 0x340BC6D9u);
    EXPECT_EQ(crc32Register(""), 0xFFFFFFFFu);
    EXPECT_EQ(~crc32Register("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    EXPECT_EQ(crc32Register(std::string(1, '\0')), ~0xD202EF8Du);
}

TEST(InstanceIdentity, SizeSumAndChecksumOfTheBytes) {
    const std::string bytes =
        "\xFF\xFF\x01"
        "123456789";
    InstanceIdentity id = computeInstanceIdentity(bytes);
    EXPECT_EQ(id.size, 12u);
    EXPECT_EQ(id.byteSum, 0xFFu + 0xFFu + 1u + 477u);  // '1'..'9' add up to 477
    EXPECT_EQ(id.checksum, crc32Register(bytes));
}

TEST(InstanceIdentity, ByteSumWrapsAt32Bits) {
    // 0xFF times 0x01010102 is 0x1000000FE: the carry beyond 32 bits is lost.
    const std::string big(0x01010102, '\xFF');
    InstanceIdentity id = computeInstanceIdentity(big);
    EXPECT_EQ(id.size, 0x01010102u);
    EXPECT_EQ(id.byteSum, 0xFEu);
}

TEST(ExchangeBlock, RequestIsLittleEndianAndLeavesTheLastWordAlone) {
    ExchangeBlock block;
    block.fill(0xAA);
    writeRequest(block, {0x04030201u, 0x08070605u, 0x0C0B0A09u});
    for (int i = 0; i < 12; ++i) EXPECT_EQ(block[i], i + 1) << "offset " << i;
    for (int i = 12; i < 16; ++i) EXPECT_EQ(block[i], 0xAA) << "offset " << i;
    EXPECT_EQ(readRequest(block), (InstanceIdentity{0x04030201u, 0x08070605u, 0x0C0B0A09u}));
}

TEST(ExchangeBlock, ReplyCarriesHandlesAndTheStartTimeAsADouble) {
    ExchangeBlock block{};
    // 1.5 is 0x3FF8000000000000 as an IEEE double.
    writeReply(block, {0x00120034u, 0u, 1.5});
    const ExchangeBlock expected = {0x34, 0x00, 0x12, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00, 0xF8, 0x3F};
    EXPECT_EQ(block, expected);

    const InstanceReply reply{0xDEADBEEFu, 0x00010002u, 46364.53125};
    writeReply(block, reply);
    EXPECT_EQ(readReply(block), reply);
}

TEST(InstanceList, OldestCopyComesFirstAndTiesKeepTheirOrder) {
    std::vector<InstanceReply> list = {{1, 0, 46364.7}, {2, 0, 46364.2}, {3, 0, 46364.7}, {4, 0, 46364.2}};
    sortByStartTime(list);
    std::vector<uint32_t> order;
    for (const auto& r : list) order.push_back(r.applicationWindow);
    EXPECT_EQ(order, (std::vector<uint32_t>{2, 4, 1, 3}));
}
