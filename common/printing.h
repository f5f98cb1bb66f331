#pragma once
#include <cstdint>
#include <string>

#include "platform/printer.h"

// Printing on a grid of character cells: column c is c x 120 twips from the left, row r
// is r x 240 twips from the top. Used for the printed week table.
namespace torv {

// Starts a document on the default printer; when there is none, a message box says so
// and false is returned.
bool begin_printout(platform::Printer& printer);

// A dotted rule from (column1, row1) to (column2, row2) of the given width in printer
// dots; nothing when width is 0.
void print_line(platform::Printer& printer, float row1, float column1, float row2, float column2, int16_t width);

// One line of text with its top left corner at (column, row) in size points; the size
// stays for the following text. Nothing when size is 0 or less.
void print_text(platform::Printer& printer, float column, float row, const std::string& text, int16_t size);

}  // namespace torv
