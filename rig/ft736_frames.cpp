#include "rig/ft736_frames.h"

#include "rig/frame_text.h"

namespace torv::ft736 {

std::optional<std::string> frequency_frame(double mhz, Opcode opcode) {
    const auto g = yaesu::frequency_groups(mhz);
    if (!g) return std::nullopt;
    const int tens = (*g)[0];  // tens of MHz
    uint8_t first = 0;
    if (tens <= 99) first = frames::to_bcd(tens);
    else if (tens >= 120 && tens <= 129) first = static_cast<uint8_t>(0xC0 | (tens - 120));
    else return std::nullopt;
    return frames::hex_text({first, frames::to_bcd((*g)[1]), frames::to_bcd((*g)[2]), frames::to_bcd((*g)[3]), opcode});
}

}  // namespace torv::ft736
