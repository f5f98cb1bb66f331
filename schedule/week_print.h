#pragma once
#include <string>
#include <vector>

#include "platform/printer.h"

// The printed week table: a title, the creation date and the column headings on every
// page, then up to 58 lines of the list.
namespace torv {

constexpr int kPrintedLinesPerPage = 58;

// Prints lines on a begun document; today is the creation date's text ("2004/05/01").
// An empty list prints no page.
void print_week_list(platform::Printer& printer, const std::vector<std::string>& lines,
                     const std::string& column_headings, const std::string& today);

}  // namespace torv
