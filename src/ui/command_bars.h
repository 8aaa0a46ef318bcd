#pragma once
// The menu bar, the main toolbar and the navigation tree, built from the command table. A
// menu item, a button or a node runs its row's command through `run`; the bars know nothing
// of what a command does.

#include <QString>
#include <functional>

#include "app/command_table.h"
#include "lang/language.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace mv52 {

class CommandBars {
public:
    using Run = std::function<void(const CommandRow&)>;

    // Adds the menus and the toolbar to `window`; `tree` gets its nodes from retranslate().
    CommandBars(QMainWindow& window, QTreeWidget& tree, Run run);

    // Every caption in `language`: menus, toolbar tooltips, and the tree built anew (its root
    // "N0" shows `rootText`).
    void retranslate(LanguageIndex language, const QString& rootText);

    // The menu item or toolbar button of that object name ("mnuNew", "tbNew").
    QAction* action(const char* objectName) const;
    QToolBar* toolbar() const { return toolbar_; }
    QMenu* windowMenu() const { return windowMenu_; }
    // Where the list of open child windows starts in the Window menu.
    QAction* windowListSeparator() const { return windowListSeparator_; }

private:
    void buildMenus();
    void buildToolbar();
    void onNode(QTreeWidgetItem* node);

    QMainWindow& window_;
    QTreeWidget& tree_;
    Run run_;
    QToolBar* toolbar_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QAction* windowListSeparator_ = nullptr;
};

}  // namespace mv52
