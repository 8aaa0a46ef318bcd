#pragma once
// Picture1 of the roger-beep window: the bar chart of the shown entry, drawn from the
// document each time it paints, so it follows every change and every resize.

#include <QWidget>
#include <functional>

#include "document/roger_beep_table.h"

namespace mv52 {

class RogerPictureView final : public QWidget {
public:
    // `entry` gives the entry shown.
    RogerPictureView(std::function<const RogerBeepEntry&()> entry, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<const RogerBeepEntry&()> entry_;
};

}  // namespace mv52
