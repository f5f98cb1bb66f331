#include "common/version_window.h"

#include "platform/layout.h"

namespace torv {

VersionWindow::VersionWindow()
    : Frame1(this), Frame2(this), Frame3(this), Label1(&Frame1), Label2(&Frame2), Label3(&Frame3),
      Label4(&Frame2), Command1(this) {
    setCaption(QString::fromUtf8("バージョン"));
    move_twips(2400, 2400, 5700, 4200);
    setFixedSize(QWidget::size());

    platform::lay_out({
        {&Frame1, 240, 120, 5200, 840, "プログラム名称"},
        {&Label1, 240, 360, 4700, 360, "人工衛星軌道計算プログラム"},
        {&Frame2, 240, 1080, 5200, 840, "プログラムバージョン"},
        {&Label2, 240, 360, 1500, 360, "バージョン"},
        {&Label4, 1800, 360, 1500, 360, "V1.87"},
        {&Frame3, 240, 2040, 5200, 1080, "免責事項"},
        {&Label3, 240, 360, 4700, 600},
        {&Command1, 2040, 3240, 1500, 480, "閉じる"},
    });
    Label3.setWordWrap(true);
    Command1.Click = [this] { Command1_Click(); };
}

}  // namespace torv
