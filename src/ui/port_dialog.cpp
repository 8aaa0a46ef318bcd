#include "ui/port_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "app/startup.h"
#include "lang/language_tables.h"
#include "lang/messages.h"
#include "ui/dialog_width.h"

namespace mv52 {
namespace {

constexpr int kRefreshMs = 1000;
constexpr int kLabelGap = 7;  // pixels: the 100 twips between a label and its control

QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

// The device and the adapter, so that a COM number can be told apart from its neighbours.
QString toolTipOf(const PortEntry& e) {
    return e.description.empty() ? qs(e.devicePath) : qs(e.devicePath + "\n" + e.description);
}

}  // namespace

PortDialog::PortDialog(AppState& app, ProfileFile& profiles, PortList& ports, QWidget* parent)
    : QDialog(parent),
      app_(app),
      profiles_(profiles),
      model_(ports),
      label_(new QLabel(this)),
      combo_(new QComboBox(this)),
      ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)),
      timer_(new QTimer(this)) {
    setObjectName("FrmComSet");
    setModal(true);
    label_->setObjectName("Label1");
    combo_->setObjectName("Combo1");
    ok_->setObjectName("CommandOK");
    cancel_->setObjectName("CommandCancel");
    timer_->setObjectName("ReShowComPortTimer");

    const LanguageIndex language = app_.language();
    setWindowTitle(qs(text(SharedText::PortDialogTitle, language)));
    label_->setText(qs(text(SharedText::PortLabel, language)));
    ok_->setText(qs(okButtonCaption(language)));
    cancel_->setText(qs(cancelButtonCaption(language)));

    label_->setBuddy(combo_);
    combo_->setMinimumContentsLength(8);
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ok_->setDefault(true);

    auto* portRow = new QHBoxLayout;
    portRow->setSpacing(kLabelGap);
    portRow->addWidget(label_);
    portRow->addWidget(combo_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(portRow);
    layout->addLayout(buttons);
    keepTitleVisible(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // `activated` comes only from the user, never from filling the list.
    connect(combo_, &QComboBox::activated, this, &PortDialog::onPick);
    connect(ok_, &QPushButton::clicked, this, &PortDialog::onOk);
    connect(cancel_, &QPushButton::clicked, this, &PortDialog::reject);
    connect(timer_, &QTimer::timeout, this, &PortDialog::reShowComPorts);

    model_.load(app_.settings.comPort);
    showPorts();
    timer_->start(kRefreshMs);
}

void PortDialog::reShowComPorts() {
    model_.refresh();
    showPorts();
}

void PortDialog::done(int result) {
    timer_->stop();
    QDialog::done(result);
}

void PortDialog::showPorts() {
    const QSignalBlocker quiet(combo_);
    // Rebuilding an unchanged list every second would close an open drop-down under the user.
    if (model_.entries() != shown_) {
        shown_ = model_.entries();
        combo_->clear();
        for (std::size_t i = 0; i < shown_.size(); ++i) {
            combo_->addItem(qs(model_.names()[i]));
            combo_->setItemData(static_cast<int>(i), toolTipOf(shown_[i]), Qt::ToolTipRole);
        }
    }
    combo_->setCurrentIndex(model_.selected());
    showSelectedToolTip();
}

void PortDialog::onPick(int index) {
    model_.pick(index);
    showSelectedToolTip();
}

void PortDialog::showSelectedToolTip() {
    const int i = model_.selected();
    combo_->setToolTip(i < 0 ? QString{} : toolTipOf(shown_[static_cast<std::size_t>(i)]));
}

void PortDialog::onOk() {
    model_.confirm(app_.settings.comPort, profiles_, app_.settingsPath);
    accept();
}

bool runPortDialog(QWidget* parent, AppState& app, ProfileFile& profiles, PortList& ports) {
    const std::uint16_t before = app.settings.comPort;
    PortDialog dialog(app, profiles, ports, parent);
    dialog.exec();
    return app.settings.comPort != before;
}

}  // namespace mv52
