#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <filesystem>

#include "common/companion_programs.h"
#include "common/settings_store.h"
#include "common/web_pages.h"
#include "platform/browser.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

const std::string kNotInstalled =
    " プログラムがインストールされていません。 プログラムをダウンロードし同じホルダーにインストールしてください｡ ";

std::vector<std::string>& boxes() { return platform::MsgBoxRecorder::current()->texts; }

class Services : public ::testing::Test {
protected:
    void SetUp() override {
        platform::set_program_folder(dir.str());
        platform::MsgBoxRecorder::current()->clear();
    }
    void TearDown() override {
        platform::set_program_folder("");
        platform::set_url_opener(nullptr);
    }
    // A companion program that writes its arguments, one a line, into a file.
    std::string program(const std::string& name) {
        dir.write(name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.ran\"\n");
        std::filesystem::permissions(dir.file(name), std::filesystem::perms::owner_all);
        return dir.file(name);
    }
    // What the program wrote, once it has run (it runs on its own).
    std::string ran(const std::string& name, int timeout_ms = 5000) {
        QElapsedTimer t;
        t.start();
        while (!std::filesystem::exists(dir.file(name + ".ran")) && t.elapsed() < timeout_ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return std::filesystem::exists(dir.file(name + ".ran")) ? dir.read(name + ".ran") : "<not run>";
    }
    TempDir dir;
};

}  // namespace

TEST_F(Services, PageWithoutUrlHandlerGivesItsMessage) {
    // The headless desktop of the tests has no URL handler at all.
    if (QGuiApplication::platformName() != "offscreen") GTEST_SKIP() << "needs the headless desktop";
    EXPECT_FALSE(open_web_page("https://example.org/status"));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0], "ホームページを表示できません。ブラウザが見つかりません。\nhttps://example.org/status");
}

TEST_F(Services, PagesAreHandedToTheDesktopAndNotWaitedFor) {
    std::vector<QUrl> opened;
    platform::set_url_opener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    ini_write(Section{"SAT-URL"}, Key{"ISS"}, "www.example.org/iss", torv_ini());
    open_sat_url("ISS");
    EXPECT_TRUE(open_web_page("https://example.org/a?b=1"));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toString(), "http://www.example.org/iss");  // no scheme: a web address
    EXPECT_EQ(opened[1].toString(), "https://example.org/a?b=1");
    EXPECT_TRUE(boxes().empty());

    open_sat_url("AO-7");  // nothing stored
    ini_write(Section{"SAT-URL"}, Key{"FO-29"}, "", torv_ini());
    open_sat_url("FO-29");  // stored empty
    EXPECT_EQ(boxes(), std::vector<std::string>(2, "人工衛星のＵＲＬが登録されていません"));
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(Services, CompanionProgramsStartWithTheirParameters) {
    ini_write(Section{"SAT-PROGRAM1"}, Key{"ISS"}, program("logger") + ",-v \"my log\" --call JA1ZZZ", torv_ini());
    ini_write(Section{"SAT-PROGRAM2"}, Key{"ISS"}, program("rotator") + ",", torv_ini());
    SatPrograms p;
    run_sat_programs("ISS", p);
    EXPECT_EQ(ran("logger"), "-v\nmy log\n--call\nJA1ZZZ\n");
    EXPECT_EQ(ran("rotator"), "\n");  // started with no arguments
    EXPECT_EQ(p.sat_program1_path, dir.file("logger"));
    EXPECT_EQ(p.sat_program1_param, "-v \"my log\" --call JA1ZZZ");
    EXPECT_EQ(p.sat_program2_param, "");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Services, MissingFirstProgramIsReportedAndTheSecondIsNotStarted) {
    const std::string missing = dir.file("not-there.exe");
    ini_write(Section{"SAT-PROGRAM1"}, Key{"ISS"}, missing + ",x", torv_ini());
    ini_write(Section{"SAT-PROGRAM2"}, Key{"ISS"}, program("rotator") + ",", torv_ini());
    SatPrograms p;
    run_sat_programs("ISS", p);
    EXPECT_EQ(boxes(), std::vector<std::string>{missing + kNotInstalled});
    EXPECT_EQ(ran("rotator", 500), "<not run>");
    EXPECT_EQ(p.sat_program2, "");  // the routine ended before reading it
}

TEST_F(Services, WhatStartsNothingAndWhatIsNoProgram) {
    dir.write("notes.txt", "not a program");
    const struct {
        std::string sat, program2, message;
    } cases[] = {
        {"SAT", ",", ""},                                                   // "," alone: no program
        {"NONE", "", ""},                                                   // nothing stored
        {"SAT", "notes.txt,", "notes.txt" + kNotInstalled},                // not a program
        {"SAT", dir.file("notes.txt") + ",", dir.file("notes.txt") + kNotInstalled},
        {"SAT", "no-such-program", "no-such-program" + kNotInstalled},    // no ",": all path
    };
    ini_write(Section{"SAT-PROGRAM1"}, Key{"SAT"}, ",", torv_ini());
    for (const auto& c : cases) {
        platform::MsgBoxRecorder::current()->clear();
        ini_write(Section{"SAT-PROGRAM2"}, Key{"SAT"}, c.program2, torv_ini());
        SatPrograms p;
        run_sat_programs(c.sat, p);
        EXPECT_EQ(boxes(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
            << c.program2;
    }
}
