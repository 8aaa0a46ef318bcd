#pragma once
// The main window's background tile: a calm, seamless texture with the program's name. The
// main window repeats it behind the child windows, so everything drawn repeats with the
// tile's size. A text that no installed font can draw would come out as empty boxes.

#include <QFont>
#include <QImage>
#include <QString>

namespace mv52::backgrounds {

inline constexpr int kWidth = 480;
inline constexpr int kHeight = 320;
inline constexpr int kTitlePixels = 64;
inline constexpr int kSubtitlePixels = 22;
// Where the subtitle is drawn.
inline constexpr int kSubtitleTop = 165;
inline constexpr int kSubtitleHeight = 40;

QFont tileFont(int pixelSize, bool bold);

// True when every character of `text` comes out as a drawn glyph: neither blank nor the box
// drawn for a character that no font has (the picture of a private-use character).
bool drawsEveryCharacter(const QFont& font, const QString& text);

QImage tile(const QString& title, const QString& subtitle);

}  // namespace mv52::backgrounds
