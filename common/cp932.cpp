#include "common/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace torv {

namespace {

// One converter per direction, opened on first use; the program runs on one thread.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: no CP932 support");
    }
    ~Converter() { iconv_close(cd_); }

    // Converts as much as possible; on an invalid sequence writes `bad` and skips
    // `skip` input bytes.
    std::string convert(std::string_view in, std::string_view bad, size_t skip) {
        std::string out;
        out.reserve(in.size() * 2);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        char buf[1024];
        while (left > 0) {
            char* dst = buf;
            size_t room = sizeof buf;
            size_t r = iconv(cd_, &src, &left, &dst, &room);
            out.append(buf, dst - buf);
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                out += bad;
                size_t n = skip_length(src, left, skip);
                src += n;
                left -= n;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    // Skips one byte of CP932, or one whole UTF-8 character.
    static size_t skip_length(const char* src, size_t left, size_t skip) {
        if (skip != 0) return std::min(skip, left);
        unsigned char c = static_cast<unsigned char>(*src);
        size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return std::min(n, left);
    }
    iconv_t cd_;
};

Converter& from_cp932() {
    static Converter c("UTF-8", "CP932");
    return c;
}
Converter& to_cp932() {
    static Converter c("CP932", "UTF-8");
    return c;
}

}  // namespace

std::string cp932_to_utf8(std::string_view bytes) {
    return from_cp932().convert(bytes, "\xEF\xBF\xBD", 1);
}

std::string utf8_to_cp932(std::string_view text) { return to_cp932().convert(text, "?", 0); }

std::string cut_cp932_bytes(std::string_view text_utf8, size_t max_bytes) {
    std::string bytes = utf8_to_cp932(text_utf8);
    if (bytes.size() <= max_bytes) return std::string(text_utf8);
    // Walk CP932 characters: a lead byte 0x81-0x9F or 0xE0-0xFC starts a two-byte one.
    size_t i = 0;
    while (i < bytes.size()) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        size_t n = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
        if (i + n > max_bytes) break;
        i += n;
    }
    return cp932_to_utf8(std::string_view(bytes).substr(0, i));
}

bool is_utf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        size_t more = 0;
        unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0) lo = 0xA0;  // overlong
            if (c == 0xED) hi = 0x9F;  // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0) lo = 0x90;  // overlong
            if (c == 0xF4) hi = 0x8F;  // past U+10FFFF
        } else {
            return false;
        }
        if (bytes.size() - i <= more) return false;
        for (size_t k = 1; k <= more; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xBF)) return false;
        }
        i += more + 1;
    }
    return true;
}

}  // namespace torv
