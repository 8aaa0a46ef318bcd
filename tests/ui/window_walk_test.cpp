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
#include "ui/ui_support.h"

namespace mv52::test {
namespace {

QChar accessKey(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

QString nameOf(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

QString describe(QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" ") + w->objectName();
}

TEST(WindowWalk, EveryReachableControlIsNamedAndAccessKeysDoNotClash) {
    const std::pair<std::uint32_t, const char*> languages[] = {{0x0409, "1"}, {0x0804, "2"}};
    for (const auto& [locale, stored] : languages) {
        WindowRig rig(locale, std::string("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=") + stored + "\r\n");
        std::map<QChar, QString> menuKeys;
        for (QAction* top : rig.window().menuBar()->actions())
            if (top->isVisible()) menuKeys.emplace(accessKey(top->text()), top->text());
        for (const char* name : {kChannelEditorWindow, kOptionFeaturesWindow, kRogerBeepWindow, kDtmfWindow}) {
            rig.window().openChildWindow(name);
            QWidget* content = rig.window().findChild<QWidget*>(QString::fromLatin1(name) + QStringLiteral("_content"));
            ASSERT_NE(content, nullptr) << name;
            const std::string where = std::string(name) + ", language " + stored;
            std::map<QChar, QString> keys;
            for (QWidget* w : content->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(content)) continue;
                QString caption;
                if (auto* button = qobject_cast<QAbstractButton*>(w)) caption = button->text();
                if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->buddy() != nullptr)
                    caption = label->text();
                if (const QChar key = accessKey(caption); !key.isNull()) {
                    if (menuKeys.count(key) != 0)
                        ADD_FAILURE() << where << ": '" << caption.toStdString() << "' takes the key of the menu '"
                                      << menuKeys[key].toStdString() << "'";
                    const auto [it, fresh] = keys.emplace(key, caption);
                    if (!fresh)
                        ADD_FAILURE() << where << ": '" << caption.toStdString() << "' and '"
                                      << it->second.toStdString() << "' share a key";
                }
            }
        }
        // With every editor open: each control of the main window that takes the focus.
        for (QWidget* w : rig.window().findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&rig.window()) || w->focusPolicy() == Qt::NoFocus) continue;
            if (nameOf(w).trimmed().isEmpty())
                ADD_FAILURE() << "language " << stored << ": " << describe(w).toStdString() << " has no accessible name";
        }
    }
}

}  // namespace
}  // namespace mv52::test
