#include "rig/civ_frames.h"

#include <algorithm>

#include "rig/frame_text.h"

namespace torv::civ {

std::vector<uint8_t> frame(uint8_t to, uint8_t from, const std::vector<uint8_t>& command,
                           const std::vector<uint8_t>& data) {
    std::vector<uint8_t> f{kPreamble, kPreamble, to, from};
    f.insert(f.end(), command.begin(), command.end());
    f.insert(f.end(), data.begin(), data.end());
    f.push_back(kEnd);
    return f;
}

std::string frame_text(uint8_t to, uint8_t from, const std::vector<uint8_t>& command,
                       const std::vector<uint8_t>& data) {
    return frames::hex_text(frame(to, from, command, data));
}

std::optional<std::array<uint8_t, 5>> frequency_data(double mhz) {
    int64_t hz = frames::frequency_steps(mhz, 6);
    if (hz < 0 || hz >= 10'000'000'000) return std::nullopt;
    std::array<uint8_t, 5> data{};
    for (uint8_t& b : data) {
        b = frames::to_bcd(static_cast<int>(hz % 100));
        hz /= 100;
    }
    return data;
}

double data_frequency(const std::array<uint8_t, 5>& data) {
    double hz = 0;
    for (size_t i = data.size(); i-- > 0;) hz = hz * 100 + frames::from_bcd(data[i]);
    return hz / 1e6;
}

std::string Frame::text() const { return frames::hex_text(bytes); }

bool Frame::between(uint8_t to, uint8_t from) const {
    return bytes.size() >= 5 && bytes[0] == kPreamble && bytes[1] == kPreamble && bytes[2] == to && bytes[3] == from;
}

std::vector<uint8_t> Frame::body() const {
    if (bytes.size() < 5) return {};
    return {bytes.begin() + 4, bytes.end() - 1};
}

std::vector<Frame> FrameReader::take(const std::vector<uint8_t>& bytes) {
    std::vector<Frame> done;
    size_t index = held_.size();  // of the next byte, counting the held ones first
    size_t begin = 0;             // where the held bytes began
    for (uint8_t b : bytes) {
        ++index;
        if (b == kCollision) {
            held_.clear();
            begin = index;
            continue;
        }
        held_.push_back(b);
        if (b == kEnd) {
            // Noise before the preamble (line idle bytes) is not part of the frame.
            auto start = std::find(held_.begin(), held_.end(), kPreamble);
            if (start == held_.end()) start = held_.begin();
            done.push_back(Frame{std::vector<uint8_t>(start, held_.end()), begin});
            held_.clear();
            begin = index;
        } else if (held_.size() >= capacity_) {
            dropped_ += held_.size();
            held_.clear();
            begin = index;
        }
    }
    return done;
}

}  // namespace torv::civ
