#include "ui/child_window_area.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPixmap>

namespace mv52 {
namespace {

// A child window in the frame. The registry learns of its end from its close and, should it
// be deleted some other way, from its destruction.
class MdiChild final : public QMdiSubWindow, public ChildWindow {
public:
    MdiChild(ChildWindowRegistry& registry, std::function<void(QWidget*)> commit)
        : registry_(registry), commit_(std::move(commit)) {
        setAttribute(Qt::WA_DeleteOnClose);
    }
    ~MdiChild() override { registry_.windowClosed(this); }

    void focus() override {
        if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
        if (isMinimized()) showNormal();
        setFocus();
    }
    void close() override { QMdiSubWindow::close(); }
    void commitPendingEdit() override {
        if (commit_) commit_(widget());
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        QMdiSubWindow::closeEvent(event);
        if (event->isAccepted()) registry_.windowClosed(this);
    }

private:
    ChildWindowRegistry& registry_;
    std::function<void(QWidget*)> commit_;
};

// The control a freshly opened window gives the keyboard to.
QWidget* mainControl(QWidget* content) {
    if (QWidget* proxy = content->focusProxy()) return proxy;
    for (QWidget* w = content->nextInFocusChain(); w != nullptr && w != content; w = w->nextInFocusChain())
        if (content->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(content))
            return w;
    return content;
}

}  // namespace

ChildWindowArea::ChildWindowArea(ChildWindowRegistry& registry, QWidget* parent)
    : QMdiArea(parent), registry_(registry) {
    setObjectName(QStringLiteral("MDIClient"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool ChildWindowArea::setBackgroundPicture(const QString& path) {
    QPixmap picture(path);
    if (picture.isNull()) {
        setBackground(palette().brush(QPalette::Dark));
        return false;
    }
    if (picture.width() > 2 && picture.height() > 2)
        picture = picture.copy(1, 1, picture.width() - 2, picture.height() - 2);
    setBackground(QBrush(picture));
    return true;
}

ChildWindow* ChildWindowArea::addChild(const QString& name, QWidget* content, std::function<void(QWidget*)> commit) {
    auto* sub = new MdiChild(registry_, std::move(commit));
    sub->setObjectName(name);
    sub->setWidget(content);
    sub->setWindowTitle(content->windowTitle());
    sub->setWindowIcon(content->windowIcon().isNull() ? window()->windowIcon() : content->windowIcon());
    addSubWindow(sub);
    sub->show();
    setActiveSubWindow(sub);
    mainControl(content)->setFocus(Qt::OtherFocusReason);
    return sub;
}

}  // namespace mv52
