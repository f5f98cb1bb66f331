#include "common/number_text.h"

#include <charconv>
#include <cmath>

namespace torv {

namespace {
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t'; }

// "1.23456789012345e+03" -> digits "123456789012345", exponent 3.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits, no point
    int exponent = 0;    // value = 0.d1d2d3... * 10^(exponent+1)
};

DecimalDigits fifteen_digits(double x) {
    DecimalDigits d;
    char buf[64] = {};
    std::to_chars(buf, buf + sizeof buf - 1, x, std::chars_format::scientific, 14);
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (is_digit(*p)) d.digits += *p;
    if (*p == 'e') d.exponent = std::atoi(p + 1);
    return d;
}

// Rounds a decimal digit string (value = digits * 10^(exponent - digits.size() + 1))
// to `decimals` places, halves away from zero. Returns integer-part and fraction digits.
void round_decimal(const DecimalDigits& d, int decimals, std::string& int_part, std::string& frac_part) {
    // The digits in fixed-point form: an implied point after `point` digits.
    int point = d.exponent + 1;
    std::string digits = d.digits;
    if (point <= 0) {
        digits = std::string(-point, '0') + digits;
        point = 0;
    }
    if (static_cast<int>(digits.size()) < point) digits += std::string(point - digits.size(), '0');
    std::string ip = digits.substr(0, point);
    std::string fp = digits.substr(point);
    if (static_cast<int>(fp.size()) < decimals + 1) fp += std::string(decimals + 1 - fp.size(), '0');
    bool round_up = fp[decimals] >= '5';
    fp = fp.substr(0, decimals);
    std::string all = ip + fp;
    if (all.empty()) all.push_back('0');
    if (round_up) {
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0) {
            if (all[i] == '9') {
                all[i] = '0';
                --i;
            } else {
                ++all[i];
                break;
            }
        }
        if (i < 0) all.insert(all.begin(), '1');
    }
    int_part = all.substr(0, all.size() - decimals);
    frac_part = all.substr(all.size() - decimals);
    size_t nz = int_part.find_first_not_of('0');
    int_part = nz == std::string::npos ? "" : int_part.substr(nz);
}
}  // namespace

double val(std::string_view text) {
    std::string s;
    size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && is_blank(text[i])) ++i;
    };
    skip();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) s += text[i++];
    bool seen_digit = false, seen_point = false;
    for (;; ++i) {
        skip();
        if (i >= text.size()) break;
        char c = text[i];
        if (is_digit(c)) {
            s += c;
            seen_digit = true;
        } else if (c == '.' && !seen_point) {
            s += c;
            seen_point = true;
        } else {
            break;
        }
    }
    if (!seen_digit) return 0.0;
    // Exponent: E or D, optional sign, digits.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t j = i + 1;
        std::string e = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) e += text[j++];
        size_t k = j;
        while (k < text.size() && is_digit(text[k])) e += text[k++];
        if (k > j) s += e;
    }
    double x = 0;
    parse_number(s, x);
    return x;
}

bool is_number_text(std::string_view t) {
    auto digits_from = [&](size_t i) {
        while (i < t.size() && is_digit(t[i])) ++i;
        return i;
    };
    auto sign_from = [&](size_t i) { return i < t.size() && (t[i] == '+' || t[i] == '-') ? i + 1 : i; };
    size_t i = sign_from(0);
    const size_t int_start = i;
    i = digits_from(i);
    size_t digits = i - int_start;
    if (i < t.size() && t[i] == '.') {
        const size_t frac_start = ++i;
        i = digits_from(i);
        digits += i - frac_start;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        const size_t exp_start = sign_from(i + 1);
        i = digits_from(exp_start);
        if (i == exp_start) return false;
    }
    return i == t.size();
}

bool parse_number(std::string_view text, double& x) {
    if (!is_number_text(text)) return false;
    std::string s(text);
    if (s.front() == '+') s.erase(0, 1);
    for (char& c : s)
        if (c == 'd' || c == 'D') c = 'e';
    // from_chars ignores the locale: "." is the decimal point everywhere.
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
    return ec == std::errc() && end == s.data() + s.size();
}

std::string num_text(double x) {
    if (x == 0.0 || std::isnan(x)) return "0";
    char buf[64] = {};
    std::to_chars(buf, buf + sizeof buf - 1, x, std::chars_format::general, 15);
    std::string s = buf;
    // The exponent is written "E+15" / "E-05": upper case, sign, at least two digits.
    if (size_t e = s.find('e'); e != std::string::npos) {
        std::string exp = s.substr(e + 1);
        char sign = '+';
        if (!exp.empty() && (exp[0] == '-' || exp[0] == '+')) {
            sign = exp[0];
            exp.erase(0, 1);
        }
        if (exp.size() < 2) exp.insert(0, 2 - exp.size(), '0');
        s = s.substr(0, e) + "E" + sign + exp;
    }
    size_t e = s.find('E');
    if (e != std::string::npos) {
        // "1.5E-05" stays; "1.50000000000000E+15" loses trailing zeros of the mantissa.
        std::string mant = s.substr(0, e), exp = s.substr(e);
        if (mant.find('.') != std::string::npos) {
            mant.erase(mant.find_last_not_of('0') + 1);
            if (mant.back() == '.') mant.pop_back();
        }
        s = mant + exp;
    }
    return s;
}

std::string str_num(double x) {
    std::string s = num_text(x);
    bool negative = !s.empty() && s[0] == '-';
    std::string body = negative ? s.substr(1) : s;
    if (body.size() > 1 && body[0] == '0' && body[1] == '.') body.erase(0, 1);
    return (negative ? "-" : " ") + body;
}

double single_precision(double x) {
    char buf[32] = {};
    std::to_chars(buf, buf + sizeof buf - 1, static_cast<double>(static_cast<float>(x)), std::chars_format::general, 7);
    double v = 0;
    parse_number(buf, v);
    return v;
}

std::string format_number(double x, std::string_view pattern) {
    // Split the pattern into literal prefix, digit section and literal suffix.
    auto is_pat = [](char c) { return c == '0' || c == '#' || c == '.' || c == ','; };
    size_t b = 0;
    while (b < pattern.size() && !is_pat(pattern[b])) ++b;
    size_t e = b;
    while (e < pattern.size() && is_pat(pattern[e])) ++e;
    std::string prefix(pattern.substr(0, b)), suffix(pattern.substr(e));
    std::string_view digits = pattern.substr(b, e - b);

    size_t point = digits.find('.');
    std::string_view int_pat = digits.substr(0, point);
    std::string_view frac_pat = point == std::string_view::npos ? std::string_view{} : digits.substr(point + 1);
    int decimals = static_cast<int>(frac_pat.size());
    int min_int = 0;
    bool group = false;
    for (char c : int_pat) {
        if (c == '0') ++min_int;
        if (c == ',') group = true;
    }
    int min_frac = 0;
    for (int i = 0; i < decimals; ++i)
        if (frac_pat[i] == '0') min_frac = i + 1;

    DecimalDigits d = fifteen_digits(x);
    std::string ip, fp;
    if (x == 0.0) {
        fp = std::string(decimals, '0');
    } else {
        round_decimal(d, decimals, ip, fp);
    }
    // Digits after the point beyond the last "0" are shown only when significant.
    while (static_cast<int>(fp.size()) > min_frac && fp.back() == '0') fp.pop_back();
    if (static_cast<int>(ip.size()) < min_int) ip = std::string(min_int - ip.size(), '0') + ip;
    if (group && ip.size() > 3) {
        std::string g;
        int n = static_cast<int>(ip.size());
        for (int i = 0; i < n; ++i) {
            g += ip[i];
            if ((n - i - 1) % 3 == 0 && i != n - 1) g += ',';
        }
        ip = g;
    }
    bool is_zero = ip.find_first_not_of('0') == std::string::npos && fp.find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !is_zero) ? "-" : "";
    out += ip;
    if (point != std::string_view::npos && (!fp.empty() || decimals == 0)) out += "." + fp;
    return prefix + out + suffix;
}

int64_t round_half_even(double x) {
    // 2^63 is the first double past the top; the bottom, -2^63, is held exactly.
    constexpr double top = 9223372036854775808.0;
    if (std::isnan(x)) return 0;
    if (x >= top) return std::numeric_limits<int64_t>::max();
    if (x < -top) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(std::nearbyint(x));
}

std::string trim(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

std::string trim_ws(std::string_view text) {
    const char* ws = " \t\r\n";
    size_t b = text.find_first_not_of(ws);
    if (b == std::string_view::npos) return {};
    size_t e = text.find_last_not_of(ws);
    return std::string(text.substr(b, e - b + 1));
}

}  // namespace torv
