#include "rig/cw_keyer.h"

#include "common/number_text.h"

namespace torv::cw {

namespace {

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    size_t at = 0;
    for (size_t hit; (hit = text.find(from, at)) != std::string_view::npos; at = hit + from.size()) {
        out.append(text.substr(at, hit - at));
        out.append(to);
    }
    out.append(text.substr(at));
    return out;
}

std::string ky(std::string_view block) {
    std::string text(block);
    text.resize(kBlock, ' ');
    // A ";" would end the command early and make the rest of the message a command of
    // its own (a "TX;" in a message would key the transmitter): it is sent as a blank.
    for (char& c : text)
        if (c == ';') c = ' ';
    return "KY " + text + ";";
}

}  // namespace

std::string memory_key(int memory) { return "CW_MESSAGE" + format_number(memory, "00"); }

std::string stored_text(std::string_view read) { return read == "ERROR" ? std::string() : std::string(read); }

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string text_to_store(std::string_view typed) { return upper(trim(typed)); }

std::string speed_command(std::string_view speed) { return "KS" + format_number(val(speed), "000") + ";"; }

std::vector<std::string> keying_commands(std::string_view message) {
    std::vector<std::string> commands{ky(message.substr(0, kBlock))};
    if (message.size() > kBlock) commands.push_back(ky(message.substr(kBlock, kBlock)));
    return commands;
}

std::string substitute(std::string_view message, std::string_view callsign, std::string_view report) {
    return replace_all(replace_all(message, "%C", callsign), "%S", report);
}

std::string log_line(std::string_view time_text, std::string_view sat, std::string_view callsign,
                     std::string_view report, std::string_view message) {
    std::string line;
    for (std::string_view field : {time_text, sat, callsign, report}) (line += field) += ",";
    return line.append(message).append("\r\n");
}

bool report_char_allowed(int code) { return !((code >= 32 && code <= 44) || code == 47 || code > 57); }

}  // namespace torv::cw
