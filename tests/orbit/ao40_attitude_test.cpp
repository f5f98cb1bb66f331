#include "orbit/ao40_attitude.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "platform/http.h"

#include "support/local_http_server.h"

using namespace torv;
using namespace std::chrono_literals;

namespace {

std::string page_with_line_at(int n, const std::string& line) {
    std::string page;
    for (int i = 1; i < n; ++i) page += "<p>line " + std::to_string(i) + "</p>\n";
    return page + line + "\n<p>end</p>\n";
}

TEST(ParseAo40Attitude, NumbersAfterTheKey) {
    struct Case {
        std::string page;
        std::string alon, alat;
        int16_t error;
    };
    const Case cases[] = {
        {"<p>ALON/ALAT: 180/-2.5 deg</p>\n", "180", "-2.5", 0},
        {"Attitude ALON/ALAT: 175.5 / 0.0\r\n", "175.5", "0.0", 0},  // the carriage return ends the number
        {"ALON/ALAT: 12 deg\n", "keep", "12", 0},                    // no "/": ALON stays, ALAT from the start
        {page_with_line_at(301, "ALON/ALAT: 1/2"), "1", "2", 0},
        {page_with_line_at(302, "ALON/ALAT: 1/2"), "0", "0", -1},
        {"", "0", "0", -1},
    };
    for (const Case& c : cases) {
        std::string alat = "keep", alon = "keep";
        int16_t error = 5;
        parse_ao40_attitude(c.page, alat, alon, error);
        EXPECT_EQ(alon, c.alon) << c.page.substr(0, 40);
        EXPECT_EQ(alat, c.alat) << c.page.substr(0, 40);
        EXPECT_EQ(error, c.error) << c.page.substr(0, 40);
    }
}

TEST(Ao40AttitudeFetch, OncePerRunEvenAfterAFailure) {
    LocalHttpServer server;
    server.route("/p3d.htm", LocalHttpServer::Reply::html("<p>ALON/ALAT: 180/-2.5 deg</p>\n"));
    int16_t fetched = 0, error = 0;
    std::string alat, alon;

    ao40_attitude_fetch(fetched, alat, alon, error, server.url("/missing.htm"), 2s);
    EXPECT_EQ(fetched, 1);
    EXPECT_EQ(error, -1);
    EXPECT_EQ(alat, "0");
    ao40_attitude_fetch(fetched, alat, alon, error, server.url("/p3d.htm"), 2s);
    EXPECT_EQ(server.requests("/p3d.htm"), 0);
    EXPECT_EQ(error, -1);

    fetched = 0;
    ao40_attitude_fetch(fetched, alat, alon, error, server.url("/p3d.htm"), 2s);
    EXPECT_EQ(alon, "180");
    EXPECT_EQ(alat, "-2.5");
    EXPECT_EQ(error, 0);
}

TEST(Ao40AttitudeFetch, AskedDuringAnotherTransferItKeepsItsFetchForLater) {
    LocalHttpServer server;
    server.route("/hang", LocalHttpServer::Reply::hanging());
    server.route("/p3d.htm", LocalHttpServer::Reply::html("ALON/ALAT: 10/20\n"));
    int16_t fetched = 0, error = 0;
    std::string alat, alon;
    QTimer::singleShot(30, [&] {
        ao40_attitude_fetch(fetched, alat, alon, error, server.url("/p3d.htm"), 2s);
        platform::http_cancel();
    });
    platform::http_get(server.url("/hang"), platform::HttpOptions{5s});
    EXPECT_EQ(fetched, 0);
    EXPECT_EQ(error, -1);

    ao40_attitude_fetch(fetched, alat, alon, error, server.url("/p3d.htm"), 2s);
    EXPECT_EQ(fetched, 1);
    EXPECT_EQ(alon, "10");
    EXPECT_EQ(alat, "20");
}

}  // namespace
