#include <gtest/gtest.h>

#include <QTcpServer>

#include "common/dde_items.h"
#include "common/live_values_window.h"
#include "common/settings_store.h"
#include "platform/form.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "support/item_client.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

// Text25 as the visible-satellite scan builds it: group A with three satellites, the
// other groups empty.
std::string group_list(double offset) {
    std::string text;
    const char* names[] = {"ISS", "AO-7", "FO-29"};
    for (int entry = 0; entry < 35; ++entry)
        text += entry < 3 ? text25_line(names[entry], 100.25 + offset, -3.5 + offset) : text25_empty_line();
    return text;
}

int line_count(const std::string& text) {
    int n = 0;
    for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) ++n;
    return n;
}

}  // namespace

TEST(LiveValuesWindow, PublishesItsItemsToRealTcpClients) {
    platform::ItemServer server("torv");
    ASSERT_TRUE(server.listen(0));
    platform::FormInstance<LiveValuesWindow> window([&] { return std::make_unique<LiveValuesWindow>(&server); });
    window().set_item_number("Text2", 4.72274);

    ItemClient client;
    ASSERT_TRUE(client.connect(server.port()));
    client.send("REQUEST torv|extrn!Text2");
    ItemClient::Frame f = client.next();
    EXPECT_EQ(f.header, "VALUE torv|extrn!Text2 7");
    EXPECT_EQ(f.value, "4.72274");

    client.send("ADVISE torv|extrn!Text25");
    EXPECT_EQ(client.next().header, "OK ADVISE torv|extrn!Text25");
    EXPECT_EQ(client.next().value, "Text25");  // its own name until the first scan
    for (int scan = 0; scan < 3; ++scan) {
        const std::string text = group_list(scan);
        window().Text25.setText(QString::fromStdString(text));
        f = client.next();
        EXPECT_EQ(f.header, "CHANGE torv|extrn!Text25 " + std::to_string(text.size()));
        EXPECT_EQ(f.value, text);
        EXPECT_EQ(line_count(f.value), 35);
    }
    // Labels are items too.
    client.send("ADVISE torv|extrn!Label26");
    EXPECT_EQ(client.next().header, "OK ADVISE torv|extrn!Label26");
    EXPECT_EQ(client.next().value, "Label26");
    window().set_item_number("Label26", 12.5);
    EXPECT_EQ(client.next().value, "t= 12.5");
}

TEST(LiveValuesWindow, ValuesBeforeTheFirstWrite) {
    platform::FormInstance<LiveValuesWindow> window;
    EXPECT_EQ(window().caption(), QString::fromUtf8("外部参照（ＤＤＥ）"));
    for (const char* name : {"Text1", "Text12", "Text13", "Text15", "Text16", "Text25", "Label24", "Label26"})
        EXPECT_EQ(window().item_text(name), name);
    for (const char* name : {"Text17", "Text18", "Text19"}) EXPECT_EQ(window().item_text(name), "0");
    EXPECT_EQ(window().item_text("Label21"), "");
    EXPECT_EQ(window().item_text("Label23"), "");
    EXPECT_TRUE(window().item_text("Text26").isNull());
    EXPECT_FALSE(window().set_item_text("Label1", "x"));
    EXPECT_FALSE(window().visible());  // loaded hidden

    // Closed, it is only hidden and keeps what was written (it no longer unloads and
    // comes back with the initial values: the main loop writes through the window it
    // took at the start, and the clients would be sent the initial values again).
    window().Text17.setText("45");
    window().Show();
    EXPECT_FALSE(window.Unload());
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(window().item_text("Text17"), "45");
}

TEST(LiveValuesWindow, ClosedWindowKeepsTheValuesItsClientsFollow) {
    platform::ItemServer server("torv");
    ASSERT_TRUE(server.listen(0));
    platform::FormInstance<LiveValuesWindow> window([&] { return std::make_unique<LiveValuesWindow>(&server); });
    window().Text12.setText("145.90000");
    ItemClient client;
    ASSERT_TRUE(client.connect(server.port()));
    client.send("ADVISE torv|extrn!Text12");
    client.next();
    EXPECT_EQ(client.next().value, "145.90000");
    LiveValuesWindow& shown = window();
    shown.Show();
    shown.close();  // its close box
    EXPECT_EQ(window.existing(), &shown);
    EXPECT_FALSE(shown.visible());
    // The next write is the next change the clients see: no initial value in between.
    shown.Text12.setText("145.91000");
    EXPECT_EQ(client.next().value, "145.91000");
    EXPECT_EQ(server.value(LiveValuesWindow::kTopic, "Text12"), "145.91000");
}

TEST(DdeItems, NumberForms) {
    const struct {
        const char* item;
        double value;
        const char* text;
    } cases[] = {
        {"Text2", 4.72274, "4.72274"},
        {"Text2", 359.999999, "360.00000"},
        {"Text3", -0.5, "-0.50000"},
        {"Text4", 0.5 * 1000, "500.0"},
        {"Text5", 12345, "12345.0"},
        {"Text6", 316.1962 / 360 * 256, "224.9 "},
        {"Text6", 0, "0.0 "},
        {"Text7", -1234.567, "-1234.57"},
        {"Text8", 123.456789012345678, "123.456789012346"},
        {"Text12", 145.9, "145.90000"},
        {"Text13", 0.5, ".50000"},
        {"Text14", 1.0000123, "1.0000123"},
        {"Text17", 12.3, "12.3"},
        {"Text17", 0, "0"},
        {"Text18", 3215, "3215"},
        {"Text19", 0.25, ".25"},
        {"Text19", 1.0 / 3, ".3333333"},
        {"Label21", 0.5, " .5"},
        {"Label21", -0.00025, "-.00025"},
        {"Label23", 51.6, "51.6"},
        {"Label24", 6, " 6"},
        {"Label26", 12.5, "t= 12.5"},
        {"Label26", -1, "t=-1"},
    };
    for (const auto& c : cases) EXPECT_EQ(dde_number_text(c.item, c.value), c.text) << c.item << " " << c.value;
}

TEST(DdeItems, GroupListLines) {
    EXPECT_EQ(text25_line("ISS", 123.5, -0.25), "ISS 123.5 -0.25\r\n");
    EXPECT_EQ(text25_empty_line(), "----- " + std::string(15, '-') + " " + std::string(15, '-') + "\r\n");
    // Three satellites in group A: three name lines, four dashed lines for that group.
    const std::string text = group_list(0);
    EXPECT_EQ(line_count(text), 35);
    EXPECT_EQ(text.substr(0, text.find("-----")).find("FO-29 "), text.find("FO-29 "));
    EXPECT_EQ(text.find("-----"), text.find("FO-29") + text25_line("FO-29", 100.25, -3.5).size());
}

TEST(DdeItems, PortFromTheSettings) {
    TempDir dir;
    platform::set_program_folder(dir.str());
    EXPECT_EQ(item_server_port(), 28470);
    const std::pair<const char*, int> cases[] = {
        {"30000", 30000}, {" 1024 ", 1024}, {"0", 28470}, {"70000", 28470}, {"abc", 28470}, {"1.5", 28470}};
    for (const auto& [text, port] : cases) {
        ini_write(Section{"DDE"}, Key{"PORT"}, text, torv_ini());
        EXPECT_EQ(item_server_port(), port) << text;
    }
    // A port another program holds: a message, and the program runs on.
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::LocalHost, 0));
    ini_write(Section{"DDE"}, Key{"PORT"}, std::to_string(holder.serverPort()), torv_ini());
    platform::MsgBoxRecorder::current()->clear();
    platform::ItemServer server("torv");
    EXPECT_FALSE(start_item_server(server));
    ASSERT_EQ(platform::MsgBoxRecorder::current()->texts.size(), 1u);
    EXPECT_NE(platform::MsgBoxRecorder::current()->texts[0].find(std::to_string(holder.serverPort())),
              std::string::npos);
    platform::set_program_folder("");
}
