#include "common/csv_fields.h"

namespace torv {

std::string CsvTokenizer::next_csv_field(std::string_view line, int first) {
    if (first == 1) {
        position_ = 1;
        length_ = line.size();
    }
    auto at = [&](size_t pos) { return line[pos - 1]; };
    while (position_ <= length_ && at(position_) == ' ') ++position_;
    if (position_ > length_ + 1) return kCsvEnd;
    if (position_ == length_ + 1 || at(position_) == ',') {
        ++position_;
        return {};
    }
    size_t start = position_;
    while (position_ <= length_ && at(position_) != ',') ++position_;
    std::string field(line.substr(start - 1, position_ - start));
    field.erase(field.find_last_not_of(' ') + 1);
    ++position_;
    return field;
}

CsvSplit split_csv_fields(std::string_view line) {
    CsvSplit split;
    CsvTokenizer tokenizer;
    for (int n = 0;; ++n) {
        std::string field = tokenizer.next_csv_field(line, n + 1);
        if (field == kCsvEnd) break;
        if (n >= static_cast<int>(split.fields.size())) {
            split.overflow = true;
            break;
        }
        split.fields[n] = field;
    }
    return split;
}

}  // namespace torv
