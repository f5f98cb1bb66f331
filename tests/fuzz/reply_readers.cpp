// The transceivers' replies: any bytes, arriving in pieces of any size, are cut into
// CI-V frames and Kenwood replies and read as the windows read them; the FT-847's
// five-byte replies are read at every offset. No reader holds more than its bound, and
// every frame or reply it gives is whole.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "rig/civ_frames.h"
#include "rig/ft847_frames.h"
#include "rig/kenwood_commands.h"

using namespace torv;

namespace {

void read_civ(const civ::Frame& f) {
    fuzz::check(!f.bytes.empty() && f.bytes.back() == civ::kEnd);
    f.text();
    f.between(0xE0, 0x60);
    const std::vector<uint8_t> body = f.body();
    if (body.size() >= 6) {
        std::array<uint8_t, 5> data{};
        std::copy_n(body.begin() + 1, 5, data.begin());
        civ::data_frequency(data);
    }
}

void read_kenwood(const std::string& reply) {
    fuzz::check(!reply.empty() && reply.back() == ';');
    kenwood::reply_frequency(reply);
    kenwood::reply_is(reply, "FA", 14);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte sets how the rest arrives: in pieces of 1 to 16 bytes.
    const size_t piece = data[0] % 16 + 1;
    const std::string bytes = fuzz::text(data + 1, size - 1);

    civ::FrameReader civ_reader(64);
    kenwood::ReplyReader kenwood_reader(64);
    for (size_t at = 0; at < bytes.size(); at += piece) {
        const std::string chunk = bytes.substr(at, piece);
        for (const civ::Frame& f : civ_reader.take(std::vector<uint8_t>(chunk.begin(), chunk.end()))) read_civ(f);
        fuzz::check(civ_reader.held() <= 64);
        for (const std::string& r : kenwood_reader.take(chunk)) read_kenwood(r);
        fuzz::check(kenwood_reader.held().size() <= 64);
    }
    for (size_t at = 0; at + 5 <= bytes.size(); ++at) {
        std::array<uint8_t, 5> reply{};
        std::copy_n(bytes.begin() + static_cast<long>(at), 5, reply.begin());
        const double mhz = ft847::reply_frequency(reply);
        fuzz::check(mhz >= 0 && mhz < 10000);
        ft847::reply_mode(reply[4]);
    }
    return 0;
}
