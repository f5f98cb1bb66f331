#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The settings file torv.ini: sections of "key=value" lines in CP932. These routines
// are the only ones that touch it. None caches anything or knows any key: a reader
// gives its own default to ini_read_or (the keys the program reads and saves are
// described once in common/settings_keys.h and mainwindow/main_settings.h).
namespace torv {

// The longest value ini_read gives back, in the file's bytes (a 255-byte buffer, its
// terminator included).
inline constexpr size_t kSettingReadBytes = 254;

// The name of a section and of a key in it, each a type of its own. Every call names
// the section first and the key second (ini_read(Section{"DDE"}, Key{"PORT"}, file));
// one that swaps them, or gives bare texts, does not compile. A view: the text it names
// must outlive it, as it does when the name is made in the call itself.
struct Section {
    constexpr explicit Section(std::string_view text) : name(text) {}
    std::string_view name;
};
struct Key {
    constexpr explicit Key(std::string_view text) : name(text) {}
    std::string_view name;
};

// The value stored under key in section of file, without leading and trailing
// blanks and without enclosing quotation marks, cut to 254 bytes in CP932.
// The empty text when the key holds nothing; "ERROR" when the file, the section or
// the key does not exist. Section and key names are found regardless of letter case.
std::string ini_read(Section section, Key key, const std::string& file);

// The value ini_read gives, or def when the file, the section or the key does not exist
// (a key that holds nothing reads as the empty text, not as def).
std::string ini_read_or(Section section, Key key, std::string_view def, const std::string& file);

// Stores value (exactly, leading blanks included) under key in section of file,
// creating the file, the section and the key as needed and keeping every other line.
// The file is written to a temporary file renamed over the old one, so an
// interrupted write never loses it. Returns false when nothing could be stored: the
// file or its folder may not be written, or the file exists but cannot be read whole
// (writing it would lose it); the report set below is then called.
// A file saved as UTF-8 (with or without a byte-order mark) is read and kept as UTF-8.
bool ini_write(Section section, Key key, std::string_view value, const std::string& file);

// The bytes value takes in file: in the file's encoding (CP932, or UTF-8 for a file
// saved so; CP932 for a file that does not exist yet).
size_t ini_value_bytes(std::string_view value, const std::string& file);

// Whether value, stored in file, would be read back whole: its bytes in the file's
// encoding are no more than kSettingReadBytes.
bool ini_value_fits(std::string_view value, const std::string& file);

// The longest start of value that takes no more than max_bytes in file's encoding,
// cut at a whole character.
std::string ini_cut_value(std::string_view value, size_t max_bytes, const std::string& file);

// Called when a write to a settings file fails, so that the operator learns that
// changes are not being kept: once per file, and again only after a write to it has
// succeeded since (a folder that cannot be written gives one notice, not one per
// change). Unset, failures are only returned.
void set_settings_write_report(std::function<void(const std::string& file)> report);

// The path of torv.ini in the program folder.
std::string torv_ini();

}  // namespace torv
