#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/settings_keys.h"

// The names the operator gives the IC-910's twenty memory channels, kept in torv.ini
// as one value: [IC910] ＣＨ, the names of channels 0..19 in order, each followed by ":".
namespace torv::ic910 {

inline constexpr int kChannels = 20;
using ChannelNames = std::array<std::string, kChannels>;  // channel i at [i]

// Twenty empty names when the key is missing.
inline constexpr SettingKey kChannelNameKey{"IC910", "ＣＨ", "::::::::::::::::::::"};

// The names of a stored value, trimmed; a name with no ":" after it is empty (so a
// value with fewer than twenty ":" leaves the last names empty), and what follows the
// twentieth ":" is not read.
ChannelNames parse_channel_names(std::string_view value);

// The value that stores the names: each trimmed and followed by ":".
std::string channel_name_list(const ChannelNames& names);

// The first channel whose name holds a ":", which would split it in two when read
// back and move every later name up by one channel.
std::optional<int> channel_with_colon(const ChannelNames& names);

}  // namespace torv::ic910
