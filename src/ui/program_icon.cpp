#include "ui/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace mv52 {

QImage programIconImage(int size) {
    QImage pm(size, size, QImage::Format_ARGB32_Premultiplied);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size / 64.0;
        p.scale(s, s);
        // The radio's body, its display and a knob; an antenna above.
        p.setPen(QPen(QColor(0x1F, 0x3A, 0x5F), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(46, 20), QPointF(54, 4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1F, 0x3A, 0x5F));
        p.drawRoundedRect(QRectF(4, 20, 56, 36), 7, 7);
        p.setBrush(QColor(0x7F, 0xD6, 0xA0));
        p.drawRoundedRect(QRectF(10, 27, 30, 13), 2.5, 2.5);
        p.setBrush(QColor(0xE8, 0xEE, 0xF5));
        p.drawEllipse(QPointF(50, 38), 6.5, 6.5);
        p.setBrush(QColor(0x1F, 0x3A, 0x5F));
        p.drawEllipse(QPointF(50, 38), 2, 2);
        p.setBrush(QColor(0xE8, 0xEE, 0xF5));
        for (int i = 0; i < 4; ++i) p.drawRoundedRect(QRectF(10 + i * 8, 45, 6, 5), 1, 1);
    }
    return pm;
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

}  // namespace mv52
