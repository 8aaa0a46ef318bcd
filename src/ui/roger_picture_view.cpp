#include "ui/roger_picture_view.h"

#include <QPainter>

#include "tones/roger_picture.h"

namespace mv52 {
namespace {

// The chart is laid out in twips, as the picture's scale runs.
constexpr int kTwipsPerPixel = 15;

}  // namespace

RogerPictureView::RogerPictureView(std::function<const RogerBeepEntry&()> entry, QWidget* parent)
    : QWidget(parent), entry_(std::move(entry)) {
    setObjectName(QStringLiteral("Picture1"));
    setMinimumSize(240, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RogerPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    for (const RogerBar& bar : rogerBars(entry_(), width() * kTwipsPerPixel, height() * kTwipsPerPixel))
        painter.fillRect(bar.left, bar.top, bar.width, bar.height, bar.tone % 2 == 1 ? Qt::red : Qt::blue);
}

}  // namespace mv52
