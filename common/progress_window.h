#pragma once
#include "platform/controls.h"
#include "platform/form.h"

namespace torv {

// The progress window "初期化進行状況": a bar and a line of text while the program
// starts, while element sets are downloaded and while status pages are fetched. Its
// owner sets Label1, the caption and the timer and advances the bar.
class ProgressWindow : public platform::Form {
    Q_OBJECT
public:
    ProgressWindow();

    platform::ProgressBar ProgressBar1;  // the progress, 0..100
    platform::Label Label1;              // the present step, written by the owner
    platform::Timer Timer1{this};        // advances the bar while enabled (1 s; 3 s for the status pages)

    // Advances the bar by 8; at the maximum it stays there and the timer stops.
    void ProgressBar_CNTUP();

protected:
    void Form_Load() override;
};

}  // namespace torv
