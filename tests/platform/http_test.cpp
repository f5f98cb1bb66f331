#include "platform/http.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>

#include "support/local_http_server.h"

using namespace std::chrono_literals;
using platform::http_get;
using platform::HttpOptions;

namespace {

TEST(HttpGet, WholeBodyOfA200AnswerAndRedirectsFollowed) {
    LocalHttpServer server;
    std::string big(200'000, 'x');
    server.route("/big", LocalHttpServer::Reply::text(big));
    server.route("/moved", LocalHttpServer::Reply::redirect("/big"));
    LocalHttpServer::Reply moved_with_page = LocalHttpServer::Reply::redirect("/big");
    moved_with_page.body = "<html>This page has moved.</html>";
    server.route("/moved_with_page", moved_with_page);

    for (const char* path : {"/big", "/moved", "/moved_with_page"}) {
        const auto r = http_get(server.url(path));
        EXPECT_TRUE(r.ok) << path << ": " << r.error;
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(r.body, big);
    }
}

TEST(HttpGet, FailuresAreReportedNotPassedOffAsData) {
    LocalHttpServer server;
    server.route("/error", LocalHttpServer::Reply::html("<html>oops</html>", 500));
    server.route("/short", LocalHttpServer::Reply::truncated(std::string(1000, 'y')));
    server.route("/partial", LocalHttpServer::Reply::text("part of a document", 206));

    struct Case {
        std::string url;
        long status;
    };
    const Case cases[] = {
        {server.url("/missing"), 404},
        {server.url("/error"), 500},
        {server.url("/short"), 200},           // body cut short
        {server.url("/partial"), 206},         // part of the document only
        {"http://127.0.0.1:1/nothing", 0},     // nobody listens
        {"file:///etc/hostname", 0},           // only http and https are fetched
    };
    for (const Case& c : cases) {
        const auto r = http_get(c.url);
        EXPECT_FALSE(r.ok) << c.url;
        EXPECT_EQ(r.status, c.status) << c.url;
        EXPECT_FALSE(r.error.empty()) << c.url;
        // Nothing of a failed answer is handed on or kept.
        EXPECT_TRUE(r.body.empty()) << c.url;
        EXPECT_EQ(r.body.capacity(), std::string().capacity()) << c.url;
    }
}

TEST(HttpGet, AnswerOverTheLimitIsRefusedAndNoneOfItIsKept) {
    LocalHttpServer server;
    server.route("/announced", LocalHttpServer::Reply::announcing(5000));  // headers only, then silence
    server.route("/streamed", LocalHttpServer::Reply::without_length(std::string(5000, 'z')));
    server.route("/fits", LocalHttpServer::Reply::without_length(std::string(1000, 'z')));
    HttpOptions options{10s, 1000};

    for (const char* path : {"/announced", "/streamed"}) {
        const auto r = http_get(server.url(path), options);
        EXPECT_FALSE(r.ok) << path;
        EXPECT_EQ(r.error, "the answer is larger than 1000 bytes") << path;  // not left to the time-out
        EXPECT_TRUE(r.body.empty()) << path;
        EXPECT_EQ(r.body.capacity(), std::string().capacity()) << path;
    }
    const auto r = http_get(server.url("/fits"), options);
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.body.size(), 1000u);
}

TEST(HttpGet, ServerThatNeverAnswersEndsAtTheTimeOutWhileEventsRun) {
    LocalHttpServer server;
    server.route("/hang", LocalHttpServer::Reply::hanging());
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);

    const auto start = std::chrono::steady_clock::now();
    const auto r = http_get(server.url("/hang"), HttpOptions{300ms});
    const auto took = std::chrono::steady_clock::now() - start;

    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 0);
    EXPECT_GE(took, 290ms);
    EXPECT_LT(took, 5s);
    EXPECT_GT(ticks, 3);  // the window kept handling its timers
}

TEST(HttpGet, CancelEndsTheTransferAndASecondRequestMeanwhileIsRefused) {
    LocalHttpServer server;
    server.route("/hang", LocalHttpServer::Reply::hanging());
    server.route("/ok", LocalHttpServer::Reply::text("fine"));
    platform::HttpResult nested;
    QTimer::singleShot(50, [&] {
        EXPECT_TRUE(platform::http_busy());
        nested = http_get(server.url("/ok"));
        platform::http_cancel();
    });

    const auto r = http_get(server.url("/hang"), HttpOptions{10s});

    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "cancelled");
    EXPECT_FALSE(nested.ok);
    EXPECT_EQ(server.requests("/ok"), 0);
    EXPECT_FALSE(platform::http_busy());
    EXPECT_TRUE(http_get(server.url("/ok")).ok);
}

}  // namespace
