#include <gtest/gtest.h>

#include <QProcess>
#include <QTcpServer>
#include <memory>
#include <vector>

#include "platform/item_server.h"
#include "support/item_client.h"
#include "support/pump_until.h"

using platform::ItemServer;

namespace {

class ItemServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.listen(0));
        server.publish("extrn", "Text2", "4.72274");
        ASSERT_TRUE(client.connect(server.port()));
    }
    ItemServer server{"torv"};
    ItemClient client;
};

}  // namespace

TEST_F(ItemServerTest, ListensOnLoopbackOnly) {
    const QTcpServer* inner = server.findChild<QTcpServer*>();
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->serverAddress(), QHostAddress(QHostAddress::LocalHost));
}

// The one-line client of docs/item_server.md, run as its own process.
TEST_F(ItemServerTest, DocumentedPythonClientWorks) {
    const QString one_liner = QString(
        "import socket;s=socket.create_connection((\"127.0.0.1\",%1));"
        "s.sendall(b\"REQUEST torv|extrn!Text2\\n\");print(s.recv(65536).decode())").arg(server.port());
    QProcess python;
    python.start("python3", {"-c", one_liner});
    // The server answers from this thread's events; on a loaded machine the client
    // itself may take many seconds to start and finish. Each wait ends when it is met.
    ASSERT_TRUE(python.waitForStarted(120000));
    ASSERT_TRUE(pump_until([&] { return python.state() == QProcess::NotRunning; }, 120000));
    EXPECT_EQ(python.readAllStandardOutput().toStdString(), "VALUE torv|extrn!Text2 7\n4.72274\n\n");
}

TEST_F(ItemServerTest, RequestAdviseChangeUnadvise) {
    client.send("REQUEST torv|extrn!Text2");
    ItemClient::Frame f = client.next();
    EXPECT_EQ(f.header, "VALUE torv|extrn!Text2 7");
    EXPECT_EQ(f.value, "4.72274");

    client.send("ADVISE torv|extrn!Text2");
    EXPECT_EQ(client.next().header, "OK ADVISE torv|extrn!Text2");
    EXPECT_EQ(client.next().value, "4.72274");  // the current value comes first

    server.publish("extrn", "Text2", "5.00000");
    server.publish("extrn", "Text2", "5.00000");  // no change: nothing sent
    server.publish("extrn", "Text3", "1.0");       // not advised: nothing sent
    server.publish("extrn", "Text2", "");          // an empty value is a change too
    f = client.next();
    EXPECT_EQ(f.header, "CHANGE torv|extrn!Text2 7");
    EXPECT_EQ(f.value, "5.00000");
    f = client.next();
    EXPECT_EQ(f.header, "CHANGE torv|extrn!Text2 0");
    EXPECT_EQ(f.value, "");

    client.send("UNADVISE torv|extrn!Text2");
    EXPECT_EQ(client.next().header, "OK UNADVISE torv|extrn!Text2");
    server.publish("extrn", "Text2", "6");
    client.send("REQUEST torv|extrn!Text3");
    EXPECT_EQ(client.next().header, "VALUE torv|extrn!Text3 3");  // no CHANGE before it
}

TEST_F(ItemServerTest, MultiLineAndJapaneseValuesArriveIntact) {
    std::string lines;
    for (int i = 0; i < 35; ++i) lines += "ISS 123.4 -5.6\r\n";
    lines += "衛星\n";
    server.publish("extrn", "Text25", QString::fromStdString(lines));
    client.send("request TORV|EXTRN!text25");  // names are found regardless of case
    const ItemClient::Frame f = client.next();
    EXPECT_EQ(f.header, "VALUE torv|extrn!Text25 " + std::to_string(lines.size()));
    EXPECT_EQ(f.value, lines);
    client.send("REQUEST torv|extrn!Text2");
    EXPECT_EQ(client.next().value, "4.72274");  // the framing held
}

TEST_F(ItemServerTest, BadRequestsAreAnsweredAndTheConnectionStays) {
    const std::pair<const char*, const char*> cases[] = {
        {"FETCH torv|extrn!Text2", "ERROR unknown-command FETCH torv|extrn!Text2"},
        {"REQUEST", "ERROR bad-address "},
        {"REQUEST torv|extrn", "ERROR bad-address torv|extrn"},
        {"REQUEST torv|extrn!", "ERROR bad-address torv|extrn!"},
        {"REQUEST other|extrn!Text2", "ERROR no-such-application other|extrn!Text2"},
        {"REQUEST torv|other!Text2", "ERROR no-such-topic torv|other!Text2"},
        {"ADVISE torv|extrn!Text99", "ERROR no-such-item torv|extrn!Text99"},
    };
    for (const auto& [request, answer] : cases) {
        client.send(request);
        EXPECT_EQ(client.next().header, answer) << request;
    }
    client.send("");  // blank lines are ignored
    client.send("REQUEST torv|extrn!Text2\r");
    EXPECT_EQ(client.next().value, "4.72274");
}

TEST_F(ItemServerTest, OverlongLineIsRefusedAndClosed) {
    client.send("REQUEST torv|extrn!" + std::string(5000, 'x'));
    EXPECT_EQ(client.next().header, "ERROR line-too-long");
    EXPECT_TRUE(client.closed_by_server());
}

TEST(ItemServer, ClientsBeyondTheLimitAreTurnedAway) {
    ItemServer::Limits limits;
    limits.max_clients = 2;
    ItemServer server("torv", limits);
    ASSERT_TRUE(server.listen(0));
    server.publish("extrn", "Text1", "ISS");
    std::vector<std::unique_ptr<ItemClient>> clients;
    for (int i = 0; i < 3; ++i) {
        clients.push_back(std::make_unique<ItemClient>());
        ASSERT_TRUE(clients.back()->connect(server.port()));
        clients.back()->send("REQUEST torv|extrn!Text1");
    }
    EXPECT_EQ(clients[0]->next().value, "ISS");
    EXPECT_EQ(clients[1]->next().value, "ISS");
    EXPECT_EQ(clients[2]->next().header, "ERROR busy");
    EXPECT_TRUE(clients[2]->closed_by_server());

    // A client that leaves frees its place and its links.
    clients[0]->send("ADVISE torv|extrn!Text1");
    EXPECT_EQ(clients[0]->next().header, "OK ADVISE torv|extrn!Text1");
    clients[0]->socket().disconnectFromHost();
    clients.erase(clients.begin());
    ItemClient late;
    pump_until([&] { return server.client_count() <= 1; });
    EXPECT_EQ(server.client_count(), 1);
    server.publish("extrn", "Text1", "AO-7");
    ASSERT_TRUE(late.connect(server.port()));
    late.send("REQUEST torv|extrn!Text1");
    EXPECT_EQ(late.next().value, "AO-7");
}

TEST(ItemServer, ClientThatLetsChangesPileUpIsDropped) {
    ItemServer::Limits limits;
    limits.max_backlog = 64;
    ItemServer server("torv", limits);
    ASSERT_TRUE(server.listen(0));
    server.publish("extrn", "Text25", "");
    ItemClient client;
    ASSERT_TRUE(client.connect(server.port()));
    client.send("ADVISE torv|extrn!Text25");
    EXPECT_EQ(client.next().header, "OK ADVISE torv|extrn!Text25");
    EXPECT_EQ(server.client_count(), 1);
    server.publish("extrn", "Text25", QString(1000, 'x'));
    EXPECT_EQ(server.client_count(), 0);
    server.publish("extrn", "Text25", "still serving");
    EXPECT_EQ(server.value("extrn", "Text25"), "still serving");
}

TEST(ItemServer, PortInUseIsReported) {
    ItemServer first("torv"), second("torv");
    ASSERT_TRUE(first.listen(0));
    EXPECT_FALSE(second.listen(first.port()));
}
