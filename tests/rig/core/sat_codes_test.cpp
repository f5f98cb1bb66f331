#include <gtest/gtest.h>

#include "rig/sat_codes.h"

using namespace torv;

TEST(SatCodes, ModeCodes) {
    const std::pair<const char*, RadioMode> cases[] = {
        {"1", RadioMode::Usb},    {"2", RadioMode::Lsb},     {"3", RadioMode::Cw},   {"4", RadioMode::Fm},
        {"0", RadioMode::Other},  {"5", RadioMode::Other},   {"", RadioMode::Other}, {"01", RadioMode::Other},
        {" 1", RadioMode::Other}, {"USB", RadioMode::Other},
    };
    for (auto [code, mode] : cases) EXPECT_EQ(parse_mode(code), mode) << '"' << code << '"';
}

TEST(SatCodes, ConversionCodes) {
    const std::pair<const char*, ConversionType> cases[] = {
        {"0", ConversionType::Fixed},   {"1", ConversionType::Inverting}, {"2", ConversionType::NonInverting},
        {"3", ConversionType::Other},   {"", ConversionType::Other},      {"01", ConversionType::Other},
        {"1.0", ConversionType::Other}, {"x", ConversionType::Other},
    };
    for (auto [code, conversion] : cases) EXPECT_EQ(parse_conversion(code), conversion) << '"' << code << '"';
}

TEST(SatCodes, ModeNames) {
    const std::pair<RadioMode, const char*> cases[] = {{RadioMode::Usb, "USB"},
                                                       {RadioMode::Lsb, "LSB"},
                                                       {RadioMode::Cw, "CW"},
                                                       {RadioMode::Fm, "FM"},
                                                       {RadioMode::Other, ""}};
    for (auto [mode, name] : cases) EXPECT_EQ(mode_name(mode), name);
}
