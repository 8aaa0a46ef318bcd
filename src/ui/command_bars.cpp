#include "ui/command_bars.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <map>

namespace mv52 {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The picture of a toolbar button.
QStyle::StandardPixmap buttonIcon(Command command) {
    switch (command) {
        case Command::NewWithoutQuestion: return QStyle::SP_FileIcon;
        case Command::Open: return QStyle::SP_DialogOpenButton;
        case Command::Save: return QStyle::SP_DialogSaveButton;
        case Command::ReadFromRadio: return QStyle::SP_ArrowDown;
        case Command::CommunicationPort: return QStyle::SP_ComputerIcon;
        case Command::WriteToRadio: return QStyle::SP_ArrowUp;
        case Command::About: return QStyle::SP_MessageBoxInformation;
        default: return QStyle::SP_FileDialogContentsView;
    }
}

const CommandRow* treeRow(const QString& key) {
    for (const CommandRow& row : commandRows())
        if (row.place == CommandPlace::Tree && qs(row.key) == key) return &row;
    return nullptr;
}

}  // namespace

CommandBars::CommandBars(QMainWindow& window, QTreeWidget& tree, Run run)
    : window_(window), tree_(tree), run_(std::move(run)) {
    buildMenus();
    buildToolbar();
    // A click and Enter on a node both open its window.
    QObject::connect(&tree_, &QTreeWidget::itemClicked, &window_, [this](QTreeWidgetItem* node) { onNode(node); });
    QObject::connect(&tree_, &QTreeWidget::itemActivated, &window_, [this](QTreeWidgetItem* node) { onNode(node); });
}

QAction* CommandBars::action(const char* objectName) const {
    return window_.findChild<QAction*>(QString::fromLatin1(objectName));
}

void CommandBars::buildMenus() {
    QMenuBar* bar = window_.menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    std::map<std::string_view, QMenu*> menus;
    for (const MenuRow& m : menuRows()) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(qs(m.key));
        menu->menuAction()->setObjectName(qs(m.key));
        menu->menuAction()->setData(static_cast<int>(m.caption));
        menu->menuAction()->setVisible(m.offered);
        menus[m.key] = menu;
    }
    for (const CommandRow& row : commandRows()) {
        if (row.place != CommandPlace::Menu) continue;
        QMenu* menu = menus.at(row.menu);
        if (row.separatorBefore) menu->addSeparator();
        QAction* a = menu->addAction(QString());
        a->setObjectName(qs(row.key));
        // The caption's key, so a language switch finds every item's text.
        if (row.captionSource == CaptionSource::MainTable) a->setData(static_cast<int>(row.caption));
        a->setVisible(row.offered);
        a->setEnabled(row.offered);
        if (!row.shortcut.empty()) a->setShortcuts(QKeySequence::listFromString(qs(row.shortcut), QKeySequence::PortableText));
        if (row.checkable) {
            a->setCheckable(true);
            a->setChecked(row.checkedAtStart);
        }
        QObject::connect(a, &QAction::triggered, &window_, [this, &row] { run_(row); });
    }
    windowMenu_ = menus.at("mnuWindow");
    windowListSeparator_ = windowMenu_->addSeparator();
    windowListSeparator_->setVisible(false);
}

void CommandBars::buildToolbar() {
    toolbar_ = new QToolBar(&window_);
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    // The toolbar's own show/hide menu would bypass the View menu's check mark.
    toolbar_->toggleViewAction()->setVisible(false);
    window_.addToolBar(Qt::TopToolBarArea, toolbar_);
    for (const CommandRow& row : commandRows()) {
        if (row.place != CommandPlace::Toolbar) continue;
        QAction* a = row.key.empty() ? toolbar_->addSeparator()
                                     : toolbar_->addAction(window_.style()->standardIcon(buttonIcon(row.command)), {});
        a->setObjectName(qs(row.objectName));
        a->setVisible(row.offered);
        if (row.key.empty()) continue;
        a->setData(qs(row.key));
        QObject::connect(a, &QAction::triggered, &window_, [this, &row] { run_(row); });
    }
}

void CommandBars::retranslate(LanguageIndex language, const QString& rootText) {
    for (const MenuRow& m : menuRows()) action(std::string(m.key).c_str())->setText(qs(text(m.caption, language)));
    for (const CommandRow& row : commandRows()) {
        if (row.key.empty()) continue;
        const QString caption = qs(commandCaption(row, language));
        if (row.place == CommandPlace::Menu)
            action(std::string(row.key).c_str())->setText(caption);
        else if (row.place == CommandPlace::Toolbar && row.offered)
            action(std::string(row.objectName).c_str())->setToolTip(caption);
    }

    tree_.clear();
    auto* root = new QTreeWidgetItem(&tree_, QStringList(rootText));
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    QTreeWidgetItem* last = root;
    for (const CommandRow& row : commandRows()) {
        if (row.place != CommandPlace::Tree) continue;
        // A key with a point ("N1.1") is a node below the node before it.
        const bool below = row.key.find('.') != std::string_view::npos;
        auto* node = new QTreeWidgetItem(below ? last : root, QStringList(qs(commandCaption(row, language))));
        node->setData(0, Qt::UserRole, qs(row.key));
        if (below)
            last->setExpanded(true);
        else
            last = node;
    }
    root->setExpanded(true);
}

void CommandBars::onNode(QTreeWidgetItem* node) {
    if (node == nullptr) return;
    if (const CommandRow* row = treeRow(node->data(0, Qt::UserRole).toString())) run_(*row);
}

}  // namespace mv52
