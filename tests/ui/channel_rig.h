#pragma once
// The main window with its channel window on a clean plan: CB group A holding channel 1 only,
// and only group A valid. Keys go to the grid and the edit box as the keyboard sends them.

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include "ui/channel_window.h"
#include "ui/ui_support.h"

namespace mv52::test {

struct ChannelRig : WindowRig {
    ChannelRig() {
        window().activateWindow();
        QApplication::setActiveWindow(&window());
        // Group A with channel 1 only, and only group A valid, as a clean plan to type into.
        Document& d = app->workspace->current;
        d.count(0, 1) = 1;
        d.channels.slot(0, 1, 1).ChannelNumber = 1;
        for (int g = 2; g <= 15; ++g) d.options().groupEnabled.at(0, g) = 0;
        channels().SetGridData();
    }
    ChannelWindow& channels() {
        auto* w = dynamic_cast<ChannelWindow*>(window().findChild<QWidget*>(QStringLiteral("frmCommChInfo_content")));
        EXPECT_NE(w, nullptr);
        return *w;
    }
    template <typename T = QComboBox>
    T* control(const char* name) {
        return channels().findChild<T*>(QString::fromLatin1(name));
    }
    QTableWidget* grid() { return channels().grid(); }
    QLineEdit* edit() { return control<QLineEdit>("Text1"); }
    void key(QWidget* to, int code, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, code, mods, text);
        QCoreApplication::sendEvent(to, &press);
        QCoreApplication::processEvents();
    }
    void type(const QString& digits) {
        for (const QChar c : digits) key(edit(), 0, QString(c));
    }
    void selectRow(int row) { grid()->setCurrentCell(row - 1, 1); }
    void choose(const char* combo, const QString& item) {
        auto* c = control(combo);
        const int p = c->findText(item);
        ASSERT_GE(p, 0) << combo << " " << item.toStdString();
        c->setCurrentIndex(p);
        emit c->activated(p);
    }
    QStringList items(const char* combo) {
        QStringList out;
        for (int i = 0; i < control(combo)->count(); ++i) out << control(combo)->itemText(i);
        return out;
    }
    Document& doc() { return app->workspace->current; }
};

}  // namespace mv52::test
