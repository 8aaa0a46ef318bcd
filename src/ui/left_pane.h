#pragma once
// The main window's left pane (Picture1): the label "MV52", the close button (Toolbar1) and
// the navigation tree (TreeView1) in Frame1; and CommandMove, the bar between the pane and the
// child windows that changes the pane's width.

#include <QFrame>
#include <QWidget>
#include <functional>

class QLabel;
class QTreeWidget;

namespace mv52 {

class LeftPane final : public QFrame {
public:
    // `closePane` runs when the pane's close button (key "删除") is pressed.
    LeftPane(std::function<void()> closePane, QWidget* parent);

    QTreeWidget* tree() const { return tree_; }
    QLabel* label() const { return label_; }

private:
    QLabel* label_ = nullptr;
    QTreeWidget* tree_ = nullptr;
};

// CommandMove. While dragging, each move offers the pointer's offset from where it grabbed
// the bar; an accepted offset moves the bar with the pane's edge, a refused one leaves both
// where they are.
class SplitterBar final : public QWidget {
public:
    SplitterBar(std::function<bool(int)> move, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<bool(int)> move_;
    bool dragging_ = false;
    int grabX_ = 0;
};

}  // namespace mv52
