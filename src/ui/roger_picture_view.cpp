#include "ui/roger_picture_view.h"

#include <QPainter>

#include "lang/bilingual.h"
#include "lang/roger_beep_texts.h"
#include "tones/roger_picture.h"

namespace mv52 {
namespace {

// The chart is laid out in twips, as the picture's scale runs.
constexpr int kTwipsPerPixel = 15;

}  // namespace

RogerPictureView::RogerPictureView(std::function<const RogerBeepEntry&()> entry,
                                   std::function<LanguageIndex()> language, QWidget* parent)
    : QWidget(parent), entry_(std::move(entry)), language_(std::move(language)) {
    setObjectName(QStringLiteral("Picture1"));
    setMinimumSize(240, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RogerPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    const QFontMetrics metrics(small);
    // The bars stand on the time axis; its marks and numbers take the bottom band.
    const int axisBand = metrics.height() + 6;
    const int chartHeight = height() - axisBand;
    const RogerBeepEntry& entry = entry_();
    const QColor ink = palette().color(QPalette::Text);

    for (const RogerBar& bar : rogerBars(entry, width() * kTwipsPerPixel, chartHeight * kTwipsPerPixel)) {
        const QRectF box(bar.left / double(kTwipsPerPixel), bar.top / double(kTwipsPerPixel),
                         bar.width / double(kTwipsPerPixel), bar.height / double(kTwipsPerPixel));
        painter.fillRect(box, bar.tone % 2 == 1 ? Qt::red : Qt::blue);
        const int hz = rogerBarHz(entry, bar);
        if (hz == 0) continue;
        // The frequency reads upwards along the bar: inside it when it fits, else above it.
        const QString label = QString::number(hz);
        const int length = metrics.horizontalAdvance(label) + 4;
        const bool inside = box.height() >= length;
        painter.save();
        painter.translate(box.center().x() + metrics.ascent() / 2.0 - 1, inside ? box.bottom() - 2 : box.top() - 2);
        painter.rotate(-90);
        painter.setPen(inside ? QColor(Qt::white) : ink);
        painter.drawText(0, 0, label);
        painter.restore();
    }

    const std::vector<RogerTick> ticks = rogerTimeTicks(entry, width() * kTwipsPerPixel);
    if (ticks.empty()) return;
    painter.setPen(ink);
    const int axisY = chartHeight - 50 / kTwipsPerPixel;
    painter.drawLine(ticks.front().x / kTwipsPerPixel, axisY, (width() * kTwipsPerPixel - 50) / kTwipsPerPixel, axisY);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int x = ticks[i].x / kTwipsPerPixel;
        painter.drawLine(x, axisY, x, axisY + 3);
        const std::string number = std::to_string(ticks[i].milliseconds);
        // The unit once, on the last mark.
        const QString label = QString::fromStdString(
            i + 1 == ticks.size() ? substitute(text(RogerText::TimeAxis, language_()), {number}) : number);
        const int w = metrics.horizontalAdvance(label);
        const int left = std::clamp(x - w / 2, 2, std::max(2, width() - w - 3));
        painter.drawText(left, axisY + 4 + metrics.ascent(), label);
    }
}

}  // namespace mv52
