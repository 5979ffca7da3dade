#include "settings/SettingScramble.h"

namespace wendle {

namespace {

// A key stream from the key and the salt: FNV-1a to seed, xorshift64* to run.
class KeyStream {
  public:
    KeyStream(std::string_view key, std::uint8_t salt) {
        std::uint64_t hash = 0xcbf29ce484222325ull;
        auto mix = [&](std::uint8_t byte) {
            hash ^= byte;
            hash *= 0x100000001b3ull;
        };
        for (char c : key) mix(static_cast<std::uint8_t>(c));
        mix(salt);
        state_ = hash ? hash : 0x9E3779B97F4A7C15ull;
    }
    std::uint8_t next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<std::uint8_t>((state_ * 0x2545F4914F6CDD1Dull) >> 56);
    }

  private:
    std::uint64_t state_;
};

}  // namespace

// Each byte is also chained to the scrambled byte before it, so a change
// anywhere alters everything after it.
std::vector<std::uint8_t> scramble(const std::vector<std::uint8_t>& plain, std::string_view key,
                                   std::uint8_t salt) {
    KeyStream stream(key, salt);
    std::vector<std::uint8_t> result(plain.size());
    std::uint8_t previous = salt;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        result[i] = static_cast<std::uint8_t>(plain[i] ^ stream.next() ^ previous);
        previous = result[i];
    }
    return result;
}

std::vector<std::uint8_t> unscramble(const std::vector<std::uint8_t>& scrambled,
                                     std::string_view key, std::uint8_t salt) {
    KeyStream stream(key, salt);
    std::vector<std::uint8_t> result(scrambled.size());
    std::uint8_t previous = salt;
    for (std::size_t i = 0; i < scrambled.size(); ++i) {
        result[i] = static_cast<std::uint8_t>(scrambled[i] ^ stream.next() ^ previous);
        previous = scrambled[i];
    }
    return result;
}

}  // namespace wendle
