// Every editor window walked in both languages, as a keyboard and screen-reader user meets
// it: each control the keyboard reaches has a name for assistive technology, and the access
// keys of its buttons and labels are neither shared within the window nor taken from the
// menu bar (Alt+key would open the menu instead).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <map>

#include "app/child_windows.h"
#include "app/startup.h"
#include "support/fake_ports.h"
#include "support/fakes.h"
#include "ui/about_dialog.h"
#include "ui/language_dialog.h"
#include "ui/port_dialog.h"
#include "ui/ui_support.h"

namespace mv52::test {
namespace {

QString nameOf(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

QString describe(QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" ") + w->objectName();
}

// The access keys of `window`'s buttons and labelled controls: none shared, none in `taken`.
// With `named`, each control the keyboard reaches must have an accessible name too.
void walkWindow(QWidget* window, const std::map<QChar, QString>& taken, const std::string& where, bool named) {
    std::map<QChar, QString> keys;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) caption = button->text();
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->buddy() != nullptr) caption = label->text();
        if (const QChar key = accessKey(caption); !key.isNull()) {
            if (const auto menu = taken.find(key); menu != taken.end())
                ADD_FAILURE() << where << ": '" << caption.toStdString() << "' takes the key of the menu '"
                              << menu->second.toStdString() << "'";
            const auto [it, fresh] = keys.emplace(key, caption);
            if (!fresh)
                ADD_FAILURE() << where << ": '" << caption.toStdString() << "' and '" << it->second.toStdString()
                              << "' share a key";
        }
        if (named && (w->focusPolicy() & Qt::TabFocus) != 0 && nameOf(w).trimmed().isEmpty())
            ADD_FAILURE() << where << ": " << describe(w).toStdString() << " has no accessible name";
    }
}

TEST(WindowWalk, EveryReachableControlIsNamedAndAccessKeysDoNotClash) {
    const std::pair<std::uint32_t, const char*> languages[] = {{0x0409, "1"}, {0x0804, "2"}};
    for (const auto& [locale, stored] : languages) {
        WindowRig rig(locale, std::string("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=") + stored + "\r\n");
        std::map<QChar, QString> menuKeys;
        for (QAction* top : rig.window().menuBar()->actions())
            if (top->isVisible()) menuKeys.emplace(accessKey(top->text()), top->text());
        for (const char* name :
             {kChannelEditorWindow, kOptionFeaturesWindow, kRogerBeepWindow, kDtmfWindow, kChannelTableWindow}) {
            rig.window().openChildWindow(name);
            QWidget* content = rig.window().findChild<QWidget*>(QString::fromLatin1(name) + QStringLiteral("_content"));
            ASSERT_NE(content, nullptr) << name;
            walkWindow(content, menuKeys, std::string(name) + ", language " + stored, false);
        }
        // With every editor open: each control of the main window that takes the focus.
        for (QWidget* w : rig.window().findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&rig.window()) || w->focusPolicy() == Qt::NoFocus) continue;
            if (nameOf(w).trimmed().isEmpty())
                ADD_FAILURE() << "language " << stored << ": " << describe(w).toStdString() << " has no accessible name";
        }
    }
}

// The dialogs of the Setup and Help menus stand alone (modal): their keys need only differ
// from each other.
TEST(WindowWalk, TheDialogsHaveNamedControlsAndKeysOfTheirOwn) {
    for (LanguageIndex language : {LanguageIndex::English, LanguageIndex::Chinese}) {
        const std::string where = language == LanguageIndex::English ? ", English" : ", Chinese";
        AppState app;
        app.settingsPath = "/inst/language/mysetup.ini";
        app.settings.language.current = language;
        MemoryProfiles profiles;
        FakePortList ports;
        ports.current = {{1, "/dev/ttyS0", "16550A"}, {34, "/dev/ttyUSB1", "FT232R USB UART"}};
        PortDialog portDialog(app, profiles, ports);
        walkWindow(&portDialog, {}, "port dialog" + where, true);
        LanguageDialog languageDialog(language, LanguageIndex::Chinese);
        walkWindow(&languageDialog, {}, "language dialog" + where, true);
        AboutDialog about(language);
        walkWindow(&about, {}, "about" + where, true);
    }
}

}  // namespace
}  // namespace mv52::test
