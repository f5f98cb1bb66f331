#include "mainwindow/map_window.h"

#include <QEvent>

#include "common/number_text.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace torv {

namespace {
constexpr const char* kIssPicture = "iss91.bmp";
}  // namespace

ReadoutTables readout_tables(const MapWindowLinks& l) {
    return readout_tables(l.view, l.partners, l.bodies, l.settings);
}

void load_map_bitmap(platform::PictureBox& box, const std::string& file, std::vector<std::string>& missing) {
    load_map_bitmap_at(box, platform::program_file(file), file, missing);
}

void load_map_bitmap_at(platform::PictureBox& box, const std::string& path, const std::string& name,
                        std::vector<std::string>& missing) {
    const QImage image(platform::qs(path));
    box.setPicture(image.isNull() ? image : image.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (image.isNull()) missing.push_back(name);
}

void load_map_bitmap(platform::PictureBox& box, const std::string& file, std::set<std::string>& noted) {
    std::vector<std::string> missing;
    load_map_bitmap(box, file, missing);
    note_missing_bitmaps(noted, missing);
}

StdPicture load_iss_picture(std::vector<std::string>& missing) {
    StdPicture p;
    p.image = QImage(platform::qs(platform::program_file(kIssPicture)));
    p.type = p.image.isNull() ? StdPicture::None : StdPicture::Bitmap;
    if (p.image.isNull()) missing.push_back(kIssPicture);
    return p;
}

void note_missing_bitmaps(std::set<std::string>& noted, const std::vector<std::string>& missing) {
    std::string text;
    for (const std::string& name : missing)
        if (noted.insert(name).second) text += "\n  " + name;
    if (!text.empty()) platform::msg_box(kUnreadablePicturesNote + text);
}

void show_selected_on(const ResultLabels& labels, const SelectedSatTexts& t, const std::string& range) {
    labels.name->setCaption(platform::qs(t.name));
    labels.az->setCaption(platform::qs(t.az));
    labels.el->setCaption(platform::qs(t.el));
    labels.range->setCaption(platform::qs(range));
}

void show_time_on(const ResultLabels& labels, DateTime local, DateTime utc) {
    labels.local_time->setCaption(platform::qs(general_date_text(local)));
    labels.utc->setCaption(platform::qs(general_date_text(utc)));
}

DateTime partner_local_time(DateTime shown, const std::string& local_to_utc_text, double partner_time_diff) {
    return add_hours(shown, static_cast<double>(round_half_even(val(local_to_utc_text) + partner_time_diff)));
}

void show_slot_names(const std::array<platform::Label*, 7>& labels, const std::array<std::string, 7>& names) {
    for (size_t i = 0; i < labels.size(); ++i) labels[i]->setCaption(QString::fromStdString(names[i]));
}

void show_slot_tip(platform::Label& label, const SatInfoTips& tips, int entry) {
    label.setToolTip(label.text() + ":" + QString::fromStdString(tips.sat_info_texts[entry]));
}

void show_slot_tip_on_hover(const QObject* watched, const QEvent* event, const std::array<platform::Label*, 7>& labels,
                            const SatInfoTips& tips) {
    if (event->type() != QEvent::Enter && event->type() != QEvent::MouseMove) return;
    for (int i = 0; i < 7; ++i)
        if (watched == labels[i]) show_slot_tip(*labels[i], tips, i);
}

}  // namespace torv
