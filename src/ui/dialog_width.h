#pragma once
// Fixed-size dialogs sized by their contents can come out narrower than their own title, and
// the window manager then cuts it ("Com… Port").

class QBoxLayout;
class QWidget;

namespace mv52 {

// The width a window needs to show its whole title next to the title bar's icon and buttons.
int widthForTitle(const QWidget& window);

// Keeps the dialog's top-level layout at least as wide as its title needs. Call it after the
// title is set.
void keepTitleVisible(QWidget& dialog, QBoxLayout& layout);

}  // namespace mv52
