#include "schedule/map_window.h"

#include "platform/paths.h"
#include "platform/text.h"

namespace torv {

bool load_map_bitmap(platform::PictureBox& box, const std::string& file) {
    const QImage image(platform::qs(platform::program_file(file)));
    box.setPicture(image.isNull() ? image : image.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return !image.isNull();
}

StdPicture load_iss_picture() {
    StdPicture p;
    p.image = QImage(platform::qs(platform::program_file("iss91.bmp")));
    p.type = p.image.isNull() ? StdPicture::None : StdPicture::Bitmap;
    return p;
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

void show_slot_tip(platform::Label& label, const SatInfoTips& tips, int entry) {
    label.setToolTip(label.text() + ":" + QString::fromStdString(tips.sat_info_texts[entry]));
}

}  // namespace torv
