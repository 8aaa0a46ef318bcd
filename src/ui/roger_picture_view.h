#pragma once
// Picture1 of the roger-beep window: the bar chart of the shown entry, each bar named by its
// tone's frequency, over a time axis of one pass; drawn from the document each time it
// paints, so it follows every change and every resize. Colours come from the palette, so
// the picture stays readable with a dark one.

#include <QWidget>
#include <functional>

#include "document/roger_beep_table.h"
#include "lang/language.h"

namespace mv52 {

class RogerPictureView final : public QWidget {
public:
    // `entry` gives the entry shown; `language` the language of the axis.
    RogerPictureView(std::function<const RogerBeepEntry&()> entry, std::function<LanguageIndex()> language,
                     QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<const RogerBeepEntry&()> entry_;
    std::function<LanguageIndex()> language_;
};

}  // namespace mv52
