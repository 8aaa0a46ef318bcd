// Draws the main window's background tiles: PIC/BK_1.jpg (English) and PIC/BK_2.jpg (Chinese).
// A picture whose texts no installed font can draw is not written, and the build fails, rather
// than show empty boxes.

#include <QGuiApplication>
#include <cstdio>
#include <utility>

#include "tile.h"

namespace {

using namespace mv52::backgrounds;

// Writes the tile, or says which text cannot be drawn.
bool writeTile(const QString& path, const QString& title, const QString& subtitle) {
    for (const auto& [text, font] : {std::pair{title, tileFont(kTitlePixels, true)},
                                     std::pair{subtitle, tileFont(kSubtitlePixels, false)}})
        if (!drawsEveryCharacter(font, text)) {
            std::fprintf(stderr,
                         "make_backgrounds: no installed font draws \"%s\" (install fonts-noto-cjk); %s not written\n",
                         text.toUtf8().constData(), path.toUtf8().constData());
            return false;
        }
    if (tile(title, subtitle).save(path, "JPG", 90)) return true;
    std::fprintf(stderr, "make_backgrounds: cannot write %s\n", path.toUtf8().constData());
    return false;
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
    const bool ok = writeTile(folder + "/BK_1.jpg", "MV52", "HF Transceiver Programming Software") &&
                    writeTile(folder + "/BK_2.jpg", "MV52", QString::fromUtf8("短波电台写频软件"));
    return ok ? 0 : 1;
}
