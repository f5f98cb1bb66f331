#include "common/version_window.h"

namespace torv {

Form5::Form5()
    : Frame1(this), Frame2(this), Frame3(this), Label1(&Frame1), Label2(&Frame2), Label3(&Frame3),
      Label4(&Frame2), Command1(this) {
    setCaption(QString::fromUtf8("バージョン"));
    move_twips(2400, 2400, 5700, 4200);
    setFixedSize(QWidget::size());

    Frame1.setCaption(QString::fromUtf8("プログラム名称"));
    platform::place(&Frame1, 240, 120, 5200, 840);
    Label1.setCaption(QString::fromUtf8("人工衛星軌道計算プログラム"));
    platform::place(&Label1, 240, 360, 4700, 360);

    Frame2.setCaption(QString::fromUtf8("プログラムバージョン"));
    platform::place(&Frame2, 240, 1080, 5200, 840);
    Label2.setCaption(QString::fromUtf8("バージョン"));
    platform::place(&Label2, 240, 360, 1500, 360);
    Label4.setCaption("V1.87");
    platform::place(&Label4, 1800, 360, 1500, 360);

    Frame3.setCaption(QString::fromUtf8("免責事項"));
    platform::place(&Frame3, 240, 2040, 5200, 1080);
    Label3.setCaption("");
    Label3.setWordWrap(true);
    platform::place(&Label3, 240, 360, 4700, 600);

    Command1.setCaption(QString::fromUtf8("閉じる"));
    platform::place(&Command1, 2040, 3240, 1500, 480);
    Command1.Click = [this] { Command1_Click(); };
}

}  // namespace torv
