#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>

#include "common/printing.h"
#include "platform/msg_box.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

// The week table's page layout: title, date, headings, column headings, a rule, then
// up to 58 list lines a page.
void print_week_table(platform::Printer& printer, const std::vector<std::string>& lines) {
    printer.set_font("ＭＳ 明朝", 9, true);
    for (size_t k = 0; k < lines.size();) {
        print_text(printer, 18, 1, "週間スケジュール一覧表", 20);
        print_text(printer, 75, 3, "作成日　2024/05/01", 12);
        print_text(printer, 18, 5, "－－－－ＡＯＳ－－－－", 9);
        print_text(printer, 39, 5, "－－－－ＥＬ　ＭＡＸ－－－－", 9);
        print_text(printer, 66, 5, "－－－－ＬＯＳ－－－－", 9);
        print_text(printer, 1, 6, "DATE  TIME  AZ", 9);
        print_line(printer, 7, 1, 7, 100, 1);
        for (int row = 7; row < 7 + 58 && k < lines.size(); ++row, ++k) print_text(printer, 1, row, lines[k], 10);
        if (k < lines.size()) printer.new_page();
    }
}

std::string run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(20000);
    return p.readAllStandardOutput().toStdString();
}

struct Word {
    double x = -1, y = -1;
};

// Where pdftotext finds a word on page 1 (points from the top left of the page).
Word find_word(const std::string& bbox_html, const std::string& word) {
    const QRegularExpression re(QString(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>%1</word>)re")
                                    .arg(QRegularExpression::escape(QString::fromStdString(word))));
    const QRegularExpressionMatch m = re.match(QString::fromStdString(bbox_html));
    return m.hasMatch() ? Word{m.captured(1).toDouble(), m.captured(2).toDouble()} : Word{};
}

class Printing : public ::testing::Test {
protected:
    TempDir dir;
    std::string pdf = dir.file("week.pdf");
};

}  // namespace

TEST_F(Printing, WeekTableLayoutOnAPdfPage) {
    platform::Printer printer;
    ASSERT_TRUE(printer.begin_pdf(QString::fromStdString(pdf)));
    print_week_table(printer, {"05/01 12:34 ISS 123 45", "05/01 14:10 ISS 200 12"});
    print_text(printer, 1, 20, "SIZE-ZERO", 0);
    print_text(printer, 1, 21, "SIZE-NEGATIVE", -3);
    ASSERT_TRUE(printer.end_document());

    const std::string text = run("pdftotext", {QString::fromStdString(pdf), "-"});
    EXPECT_NE(text.find("週間スケジュール一覧表"), std::string::npos) << text;
    EXPECT_NE(text.find("作成日"), std::string::npos);
    EXPECT_NE(text.find("2024/05/01"), std::string::npos);
    EXPECT_NE(text.find("05/01 14:10 ISS 200 12"), std::string::npos);
    EXPECT_EQ(text.find("SIZE-"), std::string::npos);

    // Cells are 120 twips (6 points) across and 240 twips (12 points) down.
    const std::string bbox = run("pdftotext", {"-bbox", QString::fromStdString(pdf), "-"});
    const Word title = find_word(bbox, "週間");  // the reader splits Japanese into words
    const Word heading = find_word(bbox, "DATE");
    const Word first = find_word(bbox, "12:34");
    const Word second = find_word(bbox, "14:10");
    ASSERT_GE(title.x, 0) << bbox;
    ASSERT_GE(heading.x, 0);
    EXPECT_NEAR(title.x - heading.x, 17 * 6.0, 1.0);
    EXPECT_NEAR(second.y - first.y, 12.0, 0.5);
    EXPECT_NEAR(first.y - heading.y, 12.0, 2.0);  // a smaller size on the row above
}

TEST_F(Printing, FiftyNineLinesMakeTwoPages) {
    for (size_t count : {58u, 59u}) {
        platform::Printer printer;
        ASSERT_TRUE(printer.begin_pdf(QString::fromStdString(pdf)));
        print_week_table(printer, std::vector<std::string>(count, "05/01 12:34 ISS"));
        ASSERT_TRUE(printer.end_document());
        const std::string info = run("pdfinfo", {QString::fromStdString(pdf)});
        EXPECT_NE(info.find(count == 58 ? "Pages:           1" : "Pages:           2"), std::string::npos) << info;
    }
}

TEST_F(Printing, RuleOfWidthZeroDrawsNothing) {
    auto page_bytes = [&](int16_t width) {
        platform::Printer printer;
        printer.begin_pdf(QString::fromStdString(pdf));
        print_line(printer, 7, 1, 7, 100, width);
        printer.end_document();
        return run("pdftoppm", {"-gray", "-r", "30", QString::fromStdString(pdf)});
    };
    const std::string blank = page_bytes(0);
    const std::string ruled = page_bytes(3);
    ASSERT_FALSE(blank.empty());
    EXPECT_EQ(blank.find_first_not_of('\xff', blank.find("255\n") + 4), std::string::npos);
    EXPECT_NE(ruled.find_first_not_of('\xff', ruled.find("255\n") + 4), std::string::npos);
}

TEST_F(Printing, NoPrinterGivesAMessage) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    platform::MsgBoxRecorder::current()->clear();
    platform::Printer printer;
    EXPECT_FALSE(begin_printout(printer));
    EXPECT_FALSE(printer.active());
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts,
              std::vector<std::string>{"プリンタが見つかりません。プリンタを設定してください。"});
    print_text(printer, 1, 1, "ignored", 10);  // a document that never began takes nothing
}
