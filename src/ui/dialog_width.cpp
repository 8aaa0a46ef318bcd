#include "ui/dialog_width.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFontMetrics>
#include <QWidget>

namespace mv52 {
namespace {

// The title bar's icon, its buttons and the margins beside the text, in pixels at 96 DPI. The
// window manager's own sizes are unknown here; this allows for the common ones.
constexpr int kTitleBarExtras = 150;

}  // namespace

int widthForTitle(const QWidget& window) {
    // Title bars often use a bold face; measure with one so the estimate errs wide.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarExtras;
}

void keepTitleVisible(QWidget& dialog, QBoxLayout& layout) {
    const QMargins margins = layout.contentsMargins();
    layout.addStrut(widthForTitle(dialog) - margins.left() - margins.right());
}

}  // namespace mv52
