#include "sim/ts2000_sim.h"

#include <cmath>
#include <cstdio>

namespace torv::sim {

namespace {

std::string digits(long long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld", width, value);
    return text;
}

bool all_digits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

void Ts2000Sim::load_memories(std::vector<Ts2000Memory> memories) {
    state.memories = std::move(memories);
    state.channel = 0;
    if (state.sat_mode) recall();
}

void Ts2000Sim::recall() {
    if (state.memories.empty()) return;
    state.vfo_a = state.memories[state.channel].vfo_a;
    state.vfo_b = state.memories[state.channel].vfo_b;
}

void Ts2000Sim::answer_text(const std::string& text) { answer(std::vector<uint8_t>(text.begin(), text.end())); }

void Ts2000Sim::satellite_mode(const std::string& p) {
    const bool on = p[0] == '1';
    if (on && !state.sat_mode) {
        state.sat_mode = true;
        recall();
    }
    state.sat_mode = on;
    state.tx_side = p[3] == '1';
    state.trace_reverse = p[4] == '1';
    state.trace = p[5] == '1';
    state.memory_select = p[6] == '1';
}

void Ts2000Sim::obey(const std::vector<uint8_t>& frame) {
    const std::string text(frame.begin(), frame.end() - 1);  // without ";"
    const std::string head = text.substr(0, 2);
    const std::string p = text.size() > 2 ? text.substr(2) : std::string();
    if (refused.count(head)) return answer_text("?;");
    double* vfo = head == "FA" ? &state.vfo_a : head == "FB" ? &state.vfo_b : nullptr;
    if (vfo && p.empty()) {
        answer_text(head + digits(std::llround(*vfo * 1e6), 11) + ";");
    } else if (vfo && p.size() == 11 && all_digits(p)) {
        *vfo = std::stoll(p) / 1e6;
    } else if (head == "SA" && p.size() == 7 && all_digits(p)) {
        satellite_mode(p);
    } else if (text == "CH0" || text == "CH1") {
        if (state.sat_mode && state.memory_select && !state.memories.empty()) {
            const size_t n = state.memories.size();
            state.channel = text == "CH0" ? (state.channel + 1) % n : (state.channel + n - 1) % n;
            recall();
        }
    } else if (head == "MD" && p.size() == 1 && p[0] >= '1' && p[0] <= '9') {
        (state.sat_mode && state.tx_side ? state.mode_b : state.mode_a) = p[0] - '0';
    } else if (head == "TN" && p.size() == 2 && all_digits(p) && std::stoi(p) >= 1 && std::stoi(p) <= 38) {
        state.tone_number = p;
    } else if (text == "TO0" || text == "TO1") {
        state.tone_on = text == "TO1";
    } else if (text == "TX" || text == "RX") {
        state.ptt = text == "TX";
    } else if (text == "PC") {
        answer_text("PC" + digits(state.power, 3) + ";");
    } else if (head == "PC" && p.size() == 3 && all_digits(p)) {
        state.power = std::stoi(p);
    } else if (text == "SM0" || text == "SM1") {
        answer_text(text + digits(text == "SM0" ? state.s_meter : 0, 4) + ";");
    } else if (head == "KS" && p.size() == 3 && all_digits(p) && std::stoi(p) >= 4 && std::stoi(p) <= 60) {
        state.keying_speed = std::stoi(p);
    } else if (head == "KY" && p.size() == 25 && p[0] == ' ') {
        state.keyed.push_back(p.substr(1));
    } else {
        answer_text("?;");
    }
}

}  // namespace torv::sim
