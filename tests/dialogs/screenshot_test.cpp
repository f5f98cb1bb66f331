#include <gtest/gtest.h>

#include <QCoreApplication>

#include "common/settings_store.h"
#include "dialogs/dialog_harness.h"
#include "dialogs/group_settings_dialog.h"
#include "dialogs/partner_station_dialog.h"
#include "dialogs/station_dialog.h"
#include "mainwindow/sat_groups.h"
#include "support/default_data.h"

using namespace torv;

// The three settings dialogs on the default data, saved as station_dialog.png, group_settings_dialog.png and
// partner_station_dialog.png in the folder TORV_DIALOG_SCREENSHOTS names (tools/screenshot.sh).
TEST(DialogScreenshots, SavesEachDialogWhenAsked) {
    const QString folder = qEnvironmentVariable("TORV_DIALOG_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "TORV_DIALOG_SCREENSHOTS not set";
    DialogFolder f("");
    copy_default_data(f.dir);
    OwnStation station;
    TimeState time;
    MainSettings settings;
    settings.backcolor = platform::kButtonFace;
    PartnerStationTable partners;
    ElementTable elements;
    SatGroupTable groups;
    load_sat_groups(groups, f.ini());
    for (const auto& group : groups.group_sat_names)
        for (const std::string& name : group)
            if (!name.empty()) elements.add_set(name, "1", "2");
    const auto save = [&folder](platform::Form& form, const char* name) {
        form.Show();
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
        EXPECT_TRUE(form.grab().save(folder + "/" + name));
    };
    OpenDialog<StationDialog> station_dialog(
        StationDialogContext{station, time, settings, f.ini(), f.dir.str(), {}, f.end()});
    save(*station_dialog, "station_dialog.png");
    OpenDialog<GroupSettingsDialog> group_settings_dialog(
        GroupDialogContext{settings, time, elements, f.ini(), {}, f.end()});
    save(*group_settings_dialog, "group_settings_dialog.png");
    OpenDialog<PartnerStationDialog> partner_station_dialog(
        PartnerDialogContext{partners, f.ini(), f.dir.str(), f.end()});
    save(*partner_station_dialog, "partner_station_dialog.png");
}
