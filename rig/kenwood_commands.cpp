#include "rig/kenwood_commands.h"

#include <cmath>

#include "common/number_text.h"

namespace torv::kenwood {

namespace {
constexpr size_t kFrequencyDigits = 11;
}

std::optional<std::string> frequency_command(std::string_view head, double mhz) {
    const double hz = std::round(mhz * 1e6);
    if (!(hz >= 0) || hz >= 1e11) return std::nullopt;
    return std::string(head) + format_number(hz, "00000000000") + ";";
}

std::optional<double> reply_frequency(std::string_view reply) {
    if (reply.size() != 2 + kFrequencyDigits + 1 || reply.back() != ';') return std::nullopt;
    const std::string_view digits = reply.substr(2, kFrequencyDigits);
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    return val(digits) / 1e6;
}

bool reply_is(std::string_view reply, std::string_view head, size_t length) {
    return reply.size() == length && reply.starts_with(head) && reply.back() == ';';
}

std::vector<std::string> ReplyReader::take(std::string_view received) {
    std::vector<std::string> replies;
    dropped_ = 0;
    for (char c : received) {
        held_ += c;
        if (c == ';') {
            replies.push_back(std::move(held_));
            held_.clear();
        } else if (held_.size() >= capacity_) {
            dropped_ += held_.size();
            held_.clear();
        }
    }
    return replies;
}

}  // namespace torv::kenwood
