#pragma once
// Helpers for the roger-beep and DTMF window tests: controls found inside one child window,
// and choices made as a user makes them.

#include <QComboBox>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include "ui/ui_support.h"

namespace mv52::test {

struct ToneRig : WindowRig {
    // The main window loads its new document at once, so that a test's changes to it stay.
    explicit ToneRig(std::uint32_t systemLocale = 0x0409, const std::string& settings = {})
        : WindowRig(systemLocale, settings) {
        window();
    }

    // Opens the child window `name` and returns its frame.
    QMdiSubWindow* open(const char* name) {
        window().openChildWindow(name);
        return window().findChild<QMdiSubWindow*>(QString::fromLatin1(name));
    }
    template <typename T>
    static T* in(QWidget* w, const char* name) {
        T* found = w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void choose(QComboBox* combo, const QString& item) {
        const int p = combo->findText(item);
        ASSERT_GE(p, 0) << combo->objectName().toStdString() << " " << item.toStdString();
        combo->setCurrentIndex(p);
        emit combo->activated(p);
    }
    static QStringList itemsOf(QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        return items;
    }
    // The channel window, opened afresh so that its lists show the document as it is now.
    QMdiSubWindow* openChannelWindow() {
        if (window().childWindows().isOpen(kChannelEditorWindow)) clearFrame();
        return open(kChannelEditorWindow);
    }
    // The channel at `position` of (work mode, group); channels are added up to it.
    ChannelRecord& channel(int workMode, int group, int position) {
        Document& d = app->workspace->current;
        while (d.count(workMode, group) < position) d.appendChannel(workMode, group, d.count(workMode, group) + 1, "27.015");
        return d.channels.slot(workMode, group, position);
    }
};

inline void click(QWidget* target, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

inline void typeKey(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QCoreApplication::sendEvent(target, &release);
}

}  // namespace mv52::test
