// The transceivers' replies: any bytes, arriving in pieces of any size, are cut into
// CI-V frames and Kenwood replies and read as the windows read them (the IC-910's
// frequency, S-meter and memory-channel replies, the TS-2000's S-meter, power and band
// replies); the FT-847's five-byte replies are read at every offset. No reader holds
// more than its bound, every frame or reply it gives is whole, and every value read
// lies within what the window shows.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "rig/civ_frames.h"
#include "rig/ft847_frames.h"
#include "rig/ic910_frames.h"
#include "rig/kenwood_commands.h"
#include "rig/ts2000_commands.h"

using namespace torv;

namespace {

bool within_meter(int cells) { return cells >= 0 && cells <= 32; }
// What five CI-V frequency bytes hold, each nibble read as a digit even past 9.
bool within_civ_range(double mhz) { return mhz >= 0 && mhz < 16'667; }

// A reply to the IC-910 window, read as the window reads it: by the command text after
// the addresses, the S-meter's level digits after the command.
void read_ic910(const civ::Frame& f) {
    if (!ic910::is_reply(f)) return;
    const std::string t = f.text();
    const std::string command = t.substr(8, 4);
    if (command == "1502") {
        fuzz::check(within_meter(ic910::s_meter_units(t.substr(12, 4))));
    } else if (command == "1A01") {
        if (const auto m = ic910::memory_contents(f)) {
            fuzz::check(within_civ_range(m->rx_mhz) && within_civ_range(m->tx_mhz));
            ic910::reply_mode(m->rx_mode);
            ic910::reply_mode(m->tx_mode);
        }
    } else if (command.starts_with("03")) {
        if (const auto mhz = ic910::reply_frequency(f)) fuzz::check(within_civ_range(*mhz));
    }
}

// A reply to the TS-2000 window, by its head as the window dispatches it.
void read_ts2000(const std::string& reply) {
    const std::string_view head = std::string_view(reply).substr(0, 2);
    if (head == "SM") {
        if (const auto level = ts2000::s_meter_level(reply)) fuzz::check(within_meter(*level));
    } else if (head == "PC") {
        if (const auto cells = ts2000::power_cells(reply)) fuzz::check(within_meter(*cells));
    } else if (head == "FA" || head == "FB") {
        for (int band : {1, 4, 12}) fuzz::check(ts2000::band_digits(reply, band).size() <= 2);
        if (const auto mhz = kenwood::reply_frequency(reply)) ts2000::band_of(*mhz);
    }
}

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
    read_ic910(f);
}

void read_kenwood(const std::string& reply) {
    fuzz::check(!reply.empty() && reply.back() == ';');
    kenwood::reply_frequency(reply);
    kenwood::reply_is(reply, "FA", 14);
    read_ts2000(reply);
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
