// The background pictures: the Chinese one shows real glyphs, and the generator refuses to
// draw boxes on a machine without a font for them.

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"
#include "tile.h"
#include "ui/ui_support.h"

namespace mv52::test {
namespace {

using namespace mv52::backgrounds;

const QString kChineseSubtitle = QString::fromUtf8("短波电台写频软件");

// What a machine without a font for the subtitle draws: the box of a missing glyph for each
// character.
QString missingGlyphs(qsizetype count) {
    QString s;
    for (qsizetype i = 0; i < count; ++i) s += QString::fromUcs4(U"\U0010FFFD");
    return s;
}

// Mean difference per pixel and channel over the subtitle's band.
double subtitleDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    int n = 0;
    for (int row = kSubtitleTop; row < kSubtitleTop + kSubtitleHeight; ++row)
        for (int col = 0; col < kWidth; ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            n += 3;
        }
    return sum / n;
}

TEST(Backgrounds, TheChinesePictureHoldsDrawnGlyphs) {
    const QImage built(QStringLiteral(MV52_PROGRAM_DIR "/PIC/BK_2.jpg"));
    ASSERT_FALSE(built.isNull());
    ASSERT_EQ(built.size(), QSize(kWidth, kHeight));
    const QImage withGlyphs = tile(QStringLiteral("MV52"), kChineseSubtitle);
    const QImage withBoxes = tile(QStringLiteral("MV52"), missingGlyphs(kChineseSubtitle.size()));
    // The built picture is the drawn one up to JPEG's loss, and far from the boxes.
    EXPECT_LT(subtitleDifference(built, withGlyphs), 0.5 * subtitleDifference(built, withBoxes));
    EXPECT_GT(subtitleDifference(withGlyphs, withBoxes), 0.5);
}

TEST(Backgrounds, GlyphCheckTellsDrawnTextFromMissingGlyphs) {
    const QFont font = tileFont(kSubtitlePixels, false);
    EXPECT_TRUE(drawsEveryCharacter(font, kChineseSubtitle));
    EXPECT_TRUE(drawsEveryCharacter(font, QStringLiteral("HF Transceiver Programming Software")));
    EXPECT_FALSE(drawsEveryCharacter(font, QStringLiteral("MV") + missingGlyphs(1)));
}

TEST(Backgrounds, WithoutAFontForChineseTheGeneratorFailsAndWritesNoPicture) {
    TempDir dir;
    const std::string config = dir.file("latin-only.conf");
    writeText(config,
              "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
              "<dir>/usr/share/fonts/truetype/dejavu</dir>\n<cachedir>" +
                  dir.file("cache") + "</cachedir>\n</fontconfig>\n");
    const std::string pictures = dir.file("PIC");
    std::filesystem::create_directories(pictures);

    QProcess generator;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), QString::fromStdString(config));
    generator.setProcessEnvironment(env);
    generator.start(QStringLiteral(MV52_MAKE_BACKGROUNDS), {QString::fromStdString(pictures)});
    ASSERT_TRUE(generator.waitForFinished(60000));
    EXPECT_EQ(generator.exitCode(), 1);
    EXPECT_TRUE(generator.readAllStandardError().contains("no installed font draws"));
    EXPECT_FALSE(std::filesystem::exists(pictures + "/BK_2.jpg"));
}

}  // namespace
}  // namespace mv52::test
