#pragma once
// The program's icon, drawn rather than loaded, so no window needs a file for it.

#include <QIcon>

namespace mv52 {

QIcon programIcon();

}  // namespace mv52
