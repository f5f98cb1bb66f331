#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The Kenwood text commands: two capital letters, parameters, ";". Replies have the
// same form. One builder for the frequency commands, one reader that splits the
// received characters at ";", and the length check every reply handler makes before it
// reads fixed positions.
namespace torv::kenwood {

// head & the frequency in whole hertz as eleven digits & ";" ("FA", 145.9 gives
// FA00145900000;). Nothing for a negative frequency or one that does not fit.
std::optional<std::string> frequency_command(std::string_view head, double mhz);
// The frequency of a frequency reply (head, eleven digits of hertz, ";"), MHz; nothing
// unless the reply has exactly that length.
std::optional<double> reply_frequency(std::string_view reply);

// True when the reply starts with head and has the expected length, ";" included.
bool reply_is(std::string_view reply, std::string_view head, size_t length);

// Collects received characters and returns each reply, ";" included, once its ";"
// has arrived. At most `capacity` characters wait for their ";"; a longer run without
// one is dropped whole.
class ReplyReader {
public:
    explicit ReplyReader(size_t capacity = 1001) : capacity_(capacity) {}

    std::vector<std::string> take(std::string_view received);
    // Characters of an unfinished reply.
    const std::string& held() const { return held_; }
    // Characters the last take dropped for want of a ";".
    size_t dropped() const { return dropped_; }
    void clear() { held_.clear(); }

private:
    size_t capacity_;
    std::string held_;
    size_t dropped_ = 0;
};

}  // namespace torv::kenwood
