#include "ui/left_pane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "lang/main_window_texts.h"

namespace mv52 {
namespace {

constexpr int kSplitterPixels = 5;

}  // namespace

LeftPane::LeftPane(std::function<void()> closePane, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture1"));

    label_ = new QLabel(QString::fromUtf8(kProgramLabel.data(), static_cast<qsizetype>(kProgramLabel.size())), this);
    label_->setObjectName(QStringLiteral("Label1"));
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);

    auto* closeBar = new QToolBar(this);
    closeBar->setObjectName(QStringLiteral("Toolbar1"));
    closeBar->setIconSize(QSize(12, 12));
    closeBar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; }"));
    QAction* close = closeBar->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QString());
    close->setObjectName(QStringLiteral("tbClosePane"));
    close->setData(QStringLiteral("删除"));
    connect(close, &QAction::triggered, this, [closePane = std::move(closePane)] { closePane(); });

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);
    tree_ = new QTreeWidget(frame1);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setRootIsDecorated(true);
    tree_->setFrameShape(QFrame::NoFrame);
    tree_->setContextMenuPolicy(Qt::NoContextMenu);
    auto* frameLayout = new QVBoxLayout(frame1);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(tree_);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(6, 2, 0, 2);
    header->addWidget(label_);
    header->addStretch();
    header->addWidget(closeBar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(frame1, 1);
}

SplitterBar::SplitterBar(std::function<bool(int)> move, QWidget* parent) : QWidget(parent), move_(std::move(move)) {
    setObjectName(QStringLiteral("CommandMove"));
    setCursor(Qt::SizeHorCursor);
    setFixedWidth(kSplitterPixels);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    grabX_ = event->position().toPoint().x();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) move_(event->position().toPoint().x() - grabX_);
}

void SplitterBar::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void SplitterBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    p.setPen(palette().mid().color());
    p.drawLine(width() - 1, 0, width() - 1, height());
}

}  // namespace mv52
