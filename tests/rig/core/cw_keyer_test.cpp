#include <gtest/gtest.h>

#include "rig/cw_keyer.h"

using namespace torv;

namespace {
std::string blanks(size_t n) { return std::string(n, ' '); }
}  // namespace

TEST(CwKeyer, MessagesAreCutIntoBlocksOfTwentyFour) {
    const std::string a24(24, 'A'), b36(36, 'B');
    struct Case {
        std::string message;
        std::vector<std::string> commands;
    };
    const Case cases[] = {
        {"", {"KY " + blanks(24) + ";"}},
        {"CQ", {"KY CQ" + blanks(22) + ";"}},
        {a24, {"KY " + a24 + ";"}},
        {a24 + "Z", {"KY " + a24 + ";", "KY Z" + blanks(23) + ";"}},
        // 60 characters: 1..48 sent, the rest not.
        {a24 + b36, {"KY " + a24 + ";", "KY " + std::string(24, 'B') + ";"}},
        // A ";" inside would end the command early: it goes as a blank.
        {"TU;TX;", {"KY TU TX " + blanks(18) + ";"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cw::keying_commands(c.message), c.commands) << c.message;
        for (const std::string& command : c.commands) EXPECT_EQ(command.size(), 28u);
    }
}

TEST(CwKeyer, SpeedCommandHasThreeDigits) {
    EXPECT_EQ(cw::speed_command("30"), "KS030;");
    EXPECT_EQ(cw::speed_command("5"), "KS005;");
    EXPECT_EQ(cw::speed_command("60"), "KS060;");
}

TEST(CwKeyer, CallsignThenReportReplacedExactly) {
    struct Case {
        const char *message, *callsign, *report, *expected;
    };
    const Case cases[] = {
        {"%C DE JA1XYZ UR %S %S", "JH1ABC", "599", "JH1ABC DE JA1XYZ UR 599 599"},
        {"%C DE JA1XYZ", "", "599", " DE JA1XYZ"},     // an empty callsign removes %C
        {"%c UR %s", "JH1ABC", "599", "%c UR %s"},     // lower case is no placeholder
        {"%C K", "%S", "579", "579 K"},                // %C first, then %S, also in the callsign
        {"TU", "JH1ABC", "599", "TU"},
    };
    for (const Case& c : cases) EXPECT_EQ(cw::substitute(c.message, c.callsign, c.report), c.expected) << c.message;
}

TEST(CwKeyer, StoredMessagesAndTheirKeys) {
    EXPECT_EQ(cw::memory_key(0), "CW_MESSAGE00");
    EXPECT_EQ(cw::memory_key(9), "CW_MESSAGE09");
    EXPECT_EQ(cw::stored_text("ERROR"), "");  // the store's missing key
    EXPECT_EQ(cw::stored_text("cq de %c"), "cq de %c");  // as stored, not re-cased
    EXPECT_EQ(cw::text_to_store("  cq de %c k  "), "CQ DE %C K");
    EXPECT_EQ(cw::text_to_store("   "), "");
}

TEST(CwKeyer, LogLineHasFiveFieldsAndCrLf) {
    EXPECT_EQ(cw::log_line("2026/12/11 9:05:03", "FO-29", "JH1ABC", "599", "JH1ABC UR 599"),
              "2026/12/11 9:05:03,FO-29,JH1ABC,599,JH1ABC UR 599\r\n");
    EXPECT_EQ(cw::log_line("2026/12/11 9:05:03", "FO-29", "", "", ""), "2026/12/11 9:05:03,FO-29,,,\r\n");
}

TEST(CwKeyer, ReportFilterTakesDigitsDashDotAndControls) {
    for (int code = 0; code < 128; ++code) {
        const bool allowed = code < 32 || code == '-' || code == '.' || (code >= '0' && code <= '9');
        EXPECT_EQ(cw::report_char_allowed(code), allowed) << code;
    }
}
