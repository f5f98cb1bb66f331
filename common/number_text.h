#pragma once
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// The number and text conventions every stored setting, element line and label relies
// on. Nothing else in the program formats or reads numbers by hand.
namespace torv {

// Reads the leading numeric part of a text: blanks are skipped, "." is the decimal
// separator whatever the locale, an exponent (E or D) is taken, reading stops at the
// first character that cannot continue the number. Empty or non-numeric text reads 0.
double val(std::string_view text);

// The whole text is one number: an optional sign, digits with at most one ".", an
// optional exponent (E or D); nothing else, no blanks ("5.", ".5", "1E3", "2.5D-2";
// not "inf", "0x1A", "1.2.3").
bool is_number_text(std::string_view text);

// Reads a text that is_number_text accepts; false otherwise. Locale-independent.
bool parse_number(std::string_view text, double& x);

// General number text: up to 15 significant digits, no leading blank, "0.5", "-3",
// "1E+15", "1E-05".
std::string num_text(double x);

// The leading-blank form used for many stored settings: a blank before a number that
// is not negative, and no zero before the decimal point below 1: " 1", " .5", "-3",
// "-.25".
std::string str_num(double x);

// The value a single-precision variable holds, as its 7 significant digits (45.3, not
// 45.2999992370605), for the text forms above.
double single_precision(double x);

// A display pattern such as "###0.00000", "0.0" or "00000.00 km": "0" is a digit
// always shown, "#" a digit shown only when significant, "." the decimal point,
// "," groups thousands; text before and after the digits is kept. The number is
// rounded to the pattern's decimals, halves away from zero, as its 15-digit text.
std::string format_number(double x, std::string_view pattern);

// Whole number of a value, halves to the even neighbour (2.5 -> 2, 3.5 -> 4). A value
// beyond what int64_t holds gives its nearest end, and one that is not a number 0, so a
// number read from a file never leaves the conversion undefined.
int64_t round_half_even(double x);

// The same, held within what T holds (its nearest end beyond it).
template <class T>
T round_half_even_as(double x) {
    const int64_t n = round_half_even(x);
    if (n < static_cast<int64_t>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (n > static_cast<int64_t>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(n);
}

// The whole part of a value (toward zero), held within what T holds; 0 for what is not a number.
template <class T>
T whole_part_as(double x) {
    return round_half_even_as<T>(std::trunc(x));
}

// Text without leading and trailing blanks (spaces only).
std::string trim(std::string_view text);
// Text without leading and trailing blanks, tabs and line ends.
std::string trim_ws(std::string_view text);

}  // namespace torv
