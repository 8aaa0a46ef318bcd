// Writes the program's icon as the PNG files of the desktop's icon theme:
// <folder>/<N>x<N>/apps/mv52.png for each size, the same drawing as the window icon.

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "ui/program_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mv52-make-icons FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const int size : {48, 128, 256}) {
        const QString dir = folder + QStringLiteral("/%1x%1/apps").arg(size);
        if (!QDir().mkpath(dir) || !mv52::programIconImage(size).save(dir + QStringLiteral("/mv52.png"), "PNG")) {
            std::fprintf(stderr, "mv52-make-icons: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
