// Access keys: every visible item of the menu bar and of each menu has one, and no two items
// of one menu share one, in both languages.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "ui/ui_support.h"

namespace mv52::test {
namespace {

void expectKeysWithoutClashes(const QList<QAction*>& actions, const std::string& where) {
    std::map<QChar, QString> used;
    for (QAction* a : actions) {
        if (!a->isVisible() || a->isSeparator()) continue;
        const QChar key = accessKey(a->text());
        if (key.isNull()) {
            ADD_FAILURE() << where << ": '" << a->text().toStdString() << "' has no access key";
            continue;
        }
        const auto [it, fresh] = used.emplace(key, a->text());
        if (!fresh)
            ADD_FAILURE() << where << ": '" << a->text().toStdString() << "' and '" << it->second.toStdString()
                          << "' share the key " << QString(key).toStdString();
    }
}

TEST(AccessKeys, EveryMenuItemHasOneAndNoTwoItemsOfAMenuShareIt) {
    const std::pair<std::uint32_t, const char*> languages[] = {{0x0409, "1"}, {0x0804, "2"}};
    for (const auto& [locale, stored] : languages) {
        WindowRig rig(locale, std::string("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=") + stored + "\r\n");
        QMenuBar* bar = rig.window().menuBar();
        expectKeysWithoutClashes(bar->actions(), std::string("menu bar, language ") + stored);
        for (QAction* top : bar->actions())
            if (top->isVisible() && top->menu() != nullptr)
                expectKeysWithoutClashes(top->menu()->actions(), top->text().toStdString() + ", language " + stored);
    }
}

}  // namespace
}  // namespace mv52::test
