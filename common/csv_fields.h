#pragma once
#include <array>
#include <string>
#include <string_view>

// Splits a comma-separated list (a satellite group) into its fields.
namespace torv {

// Marks the end of a line in the results of next_csv_field.
inline const std::string kCsvEnd(1, '\0');

class CsvTokenizer {
public:
    // The next field of line with blanks around it removed; first = 1 starts at the
    // beginning of line, any other value continues. An empty field for ",,", one more
    // after a trailing comma, then kCsvEnd.
    std::string next_csv_field(std::string_view line, int first);

private:
    size_t position_ = 1;  // 1-based
    size_t length_ = 0;
};

using CsvFields = std::array<std::string, 8>;

inline const char* const kCsvOverflowMessage = "項目バッファオーバー";

// The fields of a line in entries 0, 1, 2 …; entries 0 to 6 start empty. A ninth field
// sets overflow (the caller tells the operator kCsvOverflowMessage) and the first eight stay.
struct CsvSplit {
    CsvFields fields;
    bool overflow = false;
};
CsvSplit split_csv_fields(std::string_view line);

}  // namespace torv
