#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The Icom CI-V framing: FE FE, the destination and source addresses, the command (and
// sub-command) bytes, data, FD. One builder for every frame and one reader that cuts
// the received bytes into frames, for every Icom radio.
namespace torv::civ {

inline constexpr uint8_t kPreamble = 0xFE;
inline constexpr uint8_t kEnd = 0xFD;
inline constexpr uint8_t kCollision = 0xFC;  // the bus saw two senders: what came before is lost
inline constexpr uint8_t kOk = 0xFB;
inline constexpr uint8_t kNg = 0xFA;

// FE FE to from, the command bytes (command and sub-command) and the data, FD.
std::vector<uint8_t> frame(uint8_t to, uint8_t from, const std::vector<uint8_t>& command,
                           const std::vector<uint8_t>& data = {});
// The same as upper-case hexadecimal text ("FEFE60E01A0701FD").
std::string frame_text(uint8_t to, uint8_t from, const std::vector<uint8_t>& command,
                       const std::vector<uint8_t>& data = {});

// A frequency as the five data bytes of a frequency frame: packed BCD in 1 Hz steps,
// least significant first (10 and 1 Hz, 1 kHz and 100 Hz, 100 and 10 kHz, 10 and
// 1 MHz, 1 GHz and 100 MHz); below 1 Hz truncated. Nothing when negative or from
// 10 GHz on.
std::optional<std::array<uint8_t, 5>> frequency_data(double mhz);
// The frequency of five such bytes, MHz.
double data_frequency(const std::array<uint8_t, 5>& data);

// One received frame: the bytes from its first FE (from the end of the previous frame
// or collision mark when it has none) through its FD.
struct Frame {
    std::vector<uint8_t> bytes;
    // Where the frame began among the bytes of its take (those held before it first):
    // after the previous end byte or collision mark of that take, 0 for its first frame.
    size_t start = 0;

    std::string text() const;
    // FE FE to from at its start.
    bool between(uint8_t to, uint8_t from) const;
    // What follows the two addresses, without the FD: command, sub-command, data.
    std::vector<uint8_t> body() const;
};

// Collects the received bytes and cuts them into frames at FD. A collision mark FC
// drops the bytes before it. At most `capacity` bytes wait for their FD; a longer run
// without FD or FC is dropped whole, never written past, and counted in dropped().
class FrameReader {
public:
    explicit FrameReader(size_t capacity = 501) : capacity_(capacity) {}

    // Adds received bytes and returns the frames they complete, oldest first.
    std::vector<Frame> take(const std::vector<uint8_t>& bytes);
    // Bytes of an unfinished frame waiting for the rest.
    size_t held() const { return held_.size(); }
    const std::vector<uint8_t>& held_bytes() const { return held_; }
    // Bytes dropped so far because no FD or FC came before the capacity was reached.
    size_t dropped() const { return dropped_; }
    void clear() { held_.clear(); }

private:
    size_t capacity_;
    size_t dropped_ = 0;
    std::vector<uint8_t> held_;
};

}  // namespace torv::civ
