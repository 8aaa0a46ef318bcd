#include "tile.h"

#include <QPainter>

namespace mv52::backgrounds {

namespace {

constexpr int kStripe = 16;  // divides both sides, so the stripes continue across tiles

// One character as `font` (with the system's fallbacks) draws it.
QImage characterPicture(const QFont& font, const QString& character) {
    QImage image(64, 64, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(image.rect(), Qt::AlignCenter, character);
    return image;
}

}  // namespace

QFont tileFont(int pixelSize, bool bold) {
    QFont font("Noto Sans CJK SC");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

bool drawsEveryCharacter(const QFont& font, const QString& text) {
    const QImage blank = characterPicture(font, QStringLiteral(" "));
    const QImage missing = characterPicture(font, QString::fromUcs4(U"\U0010FFFD"));
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isSpace(c)) continue;
        const QImage drawn = characterPicture(font, QString::fromUcs4(&c, 1));
        if (drawn == blank || drawn == missing) return false;
    }
    return true;
}

QImage tile(const QString& title, const QString& subtitle) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(0xE4, 0xEA, 0xF1));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xDA, 0xE1, 0xEA), 1));
    for (int x = -kHeight; x < kWidth + kHeight; x += kStripe) p.drawLine(x, 0, x + kHeight, kHeight);

    p.setFont(tileFont(kTitlePixels, true));
    p.setPen(QColor(0xC9, 0xD3, 0xDF));
    p.drawText(QRect(0, 70, kWidth, 90), Qt::AlignCenter, title);
    p.setFont(tileFont(kSubtitlePixels, false));
    p.drawText(QRect(0, kSubtitleTop, kWidth, kSubtitleHeight), Qt::AlignCenter, subtitle);
    return image;
}

}  // namespace mv52::backgrounds
