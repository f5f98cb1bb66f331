#pragma once
#include <string>
#include <string_view>

// torv.ini, torv.csv and the element files are kept in CP932 (the Japanese ANSI code
// page) so that files written by other installations stay readable. Inside the
// program all text is UTF-8.
namespace torv {

// Bytes that are not valid CP932 become U+FFFD; nothing is dropped silently.
std::string cp932_to_utf8(std::string_view bytes);

// Characters CP932 cannot hold become "?".
std::string utf8_to_cp932(std::string_view text);

// Length in CP932 bytes of the longest prefix of `text` (UTF-8) that fits in
// `max_bytes` without splitting a character.
std::string cut_cp932_bytes(std::string_view text_utf8, size_t max_bytes);

// True when bytes are well-formed UTF-8 (no stray continuation bytes, overlong
// forms, surrogates or code points past U+10FFFF). Text in CP932 that holds any
// Japanese character practically never is.
bool is_utf8(std::string_view bytes);

}  // namespace torv
