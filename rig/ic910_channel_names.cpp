#include "rig/ic910_channel_names.h"

#include "common/number_text.h"

namespace torv::ic910 {

ChannelNames parse_channel_names(std::string_view value) {
    ChannelNames names;
    for (std::string& name : names) {
        const size_t colon = value.find(':');
        if (colon == std::string_view::npos) continue;  // nothing left: the name stays empty
        name = trim(value.substr(0, colon));
        value.remove_prefix(colon + 1);
    }
    return names;
}

std::string channel_name_list(const ChannelNames& names) {
    std::string list;
    for (const std::string& name : names) list += trim(name) + ":";
    return list;
}

std::optional<int> channel_with_colon(const ChannelNames& names) {
    for (int i = 0; i < kChannels; ++i)
        if (names[static_cast<size_t>(i)].find(':') != std::string::npos) return i;
    return std::nullopt;
}

}  // namespace torv::ic910
