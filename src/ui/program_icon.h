#pragma once
// The program's icon, drawn rather than loaded, so no window needs a file for it.

#include <QIcon>
#include <QImage>

namespace mv52 {

QIcon programIcon();
// The picture at `size` pixels square, transparent around it; the PNG icons of the desktop
// theme are made from it at build time (assets/icons), so every size is the same drawing.
QImage programIconImage(int size);

}  // namespace mv52
