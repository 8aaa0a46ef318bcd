// Draws the main window's background tiles: PIC/BK_1.jpg (English) and PIC/BK_2.jpg (Chinese).
// Each is a calm, seamless texture with the program's name; the main window repeats it
// behind the child windows, so everything drawn repeats with the tile's size.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 320;
constexpr int kStripe = 16;  // divides both sides, so the stripes continue across tiles

QImage tile(const QString& title, const QString& subtitle) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(0xE4, 0xEA, 0xF1));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xDA, 0xE1, 0xEA), 1));
    for (int x = -kHeight; x < kWidth + kHeight; x += kStripe) p.drawLine(x, 0, x + kHeight, kHeight);

    QFont big("Noto Sans CJK SC");
    big.setPixelSize(64);
    big.setBold(true);
    p.setFont(big);
    p.setPen(QColor(0xC9, 0xD3, 0xDF));
    p.drawText(QRect(0, 70, kWidth, 90), Qt::AlignCenter, title);
    QFont small("Noto Sans CJK SC");
    small.setPixelSize(22);
    p.setFont(small);
    p.drawText(QRect(0, 165, kWidth, 40), Qt::AlignCenter, subtitle);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_backgrounds PIC_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = tile("MV52", "HF Transceiver Programming Software").save(folder + "/BK_1.jpg", "JPG", 90) &&
                    tile("MV52", QString::fromUtf8("短波电台写频软件")).save(folder + "/BK_2.jpg", "JPG", 90);
    if (!ok) std::fprintf(stderr, "make_backgrounds: cannot write the pictures\n");
    return ok ? 0 : 1;
}
