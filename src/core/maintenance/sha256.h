#pragma once
// SHA-256 (FIPS 180-4), for checking a downloaded archive against the digest its server
// announced.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kefelo::maintenance {

using Sha256Digest = std::array<uint8_t, 32>;

class Sha256 {
public:
    Sha256();
    void update(std::string_view bytes);
    // The digest of everything given so far; the object is spent afterwards.
    Sha256Digest finish();

private:
    void block(const uint8_t* data);

    std::array<uint32_t, 8> state_;
    std::array<uint8_t, 64> buffer_{};
    size_t buffered_ = 0;
    uint64_t length_ = 0;
};

Sha256Digest sha256(std::string_view bytes);
// Lower-case hexadecimal, 64 characters.
std::string toHex(const Sha256Digest& digest);

}  // namespace kefelo::maintenance
