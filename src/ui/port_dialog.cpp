#include "ui/port_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "app/startup.h"
#include "lang/bilingual.h"
#include "lang/link_texts.h"
#include "link/link_trouble.h"
#include "platform/port_names.h"
#include "system/clock.h"
#include "system/daily_log.h"
#include "document/workspace.h"
#include "lang/language_tables.h"
#include "lang/messages.h"
#include "ui/dialog_width.h"

namespace mv52 {
namespace {

constexpr int kRefreshMs = 1000;
constexpr int kLabelGap = 7;  // pixels: the 100 twips between a label and its control

QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

// A log that keeps nothing: the dialog used without the program's own.
class NoClock final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override { return {}; }
};
class NoLog final : public DailyLog {
public:
    NoLog() : DailyLog({}, clock_) {}
    void writeLogLine(std::string_view, std::string_view) override {}

private:
    static inline NoClock clock_;
};
}  // namespace

PortDialog::PortDialog(AppState& app, ProfileFile& profiles, PortList& ports, QWidget* parent, DailyLog* log)
    : QDialog(parent),
      app_(app),
      profiles_(profiles),
      model_(ports),
      label_(new QLabel(this)),
      combo_(new QComboBox(this)),
      details_(new QLabel(this)),
      ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)),
      timer_(new QTimer(this)),
      find_(new QPushButton(this)),
      allPorts_(new QCheckBox(this)),
      findStatus_(new QLabel(this)),
      log_(log),
      probeLink_([&profiles, &app](std::uint16_t n) { return devicePathForComPort(n, profiles, app.settingsPath); }) {
    setObjectName("FrmComSet");
    setModal(true);
    label_->setObjectName("Label1");
    combo_->setObjectName("Combo1");
    details_->setObjectName("PortDetails");
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ok_->setObjectName("CommandOK");
    cancel_->setObjectName("CommandCancel");
    timer_->setObjectName("ReShowComPortTimer");
    find_->setObjectName("CommandFind");
    allPorts_->setObjectName("CheckAllPorts");
    findStatus_->setObjectName("FindStatus");
    findStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    findStatus_->setWordWrap(true);

    const LanguageIndex language = app_.language();
    setWindowTitle(qs(text(SharedText::PortDialogTitle, language)));
    label_->setText(qs(text(SharedText::PortLabel, language)));
    ok_->setText(qs(okButtonCaption(language)));
    cancel_->setText(qs(cancelButtonCaption(language)));
    find_->setText(qs(text(LinkText::FindRadioButton, language)));
    allPorts_->setText(qs(text(LinkText::FindEveryPort, language)));

    label_->setBuddy(combo_);
    combo_->setMinimumContentsLength(40);
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
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(find_);
    findRow->addWidget(allPorts_);
    findRow->addStretch(1);
    layout->addLayout(portRow);
    layout->addWidget(details_);
    layout->addLayout(findRow);
    layout->addWidget(findStatus_);
    layout->addLayout(buttons);
    keepTitleVisible(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // `activated` comes only from the user, never from filling the list.
    connect(combo_, &QComboBox::activated, this, &PortDialog::onPick);
    connect(ok_, &QPushButton::clicked, this, &PortDialog::onOk);
    connect(cancel_, &QPushButton::clicked, this, &PortDialog::reject);
    connect(timer_, &QTimer::timeout, this, &PortDialog::reShowComPorts);
    connect(find_, &QPushButton::clicked, this, &PortDialog::findRadio);

    model_.load(app_.settings.comPort, rememberedTransferPort(profiles_, app_.settingsPath));
    showPorts();
    timer_->start(kRefreshMs);
}

PortDialog::~PortDialog() = default;

void PortDialog::reShowComPorts() {
    model_.refresh();
    if (plugWatch_) {
        if (const auto appeared = plugWatch_->update(model_.entries())) {
            plugWatch_.reset();
            selectFound(appeared->comPort,
                        qs(substitute(text(LinkText::PlugAppeared, app_.language()),
                                      {portWithDevice(comPortName(appeared->comPort), appeared->devicePath)})));
            return;
        }
    }
    showPorts();
}

void PortDialog::findRadio() {
    if (probe_ && probe_->running()) return;
    plugWatch_.reset();
    if (!probe_) {
        if (log_ == nullptr) {
            quietLog_ = std::make_unique<NoLog>();
            log_ = quietLog_.get();
        }
        probe_ = std::make_unique<RadioProbe>(probeLink_, probeTimer_, *log_, kModelType);
    }
    model_.refresh();
    showPorts();
    const std::vector<std::uint16_t> candidates = probeCandidates(model_.entries(), allPorts_->isChecked());
    find_->setEnabled(false);
    findStatus_->setText(qs(text(LinkText::ProbeAsking, app_.language())));
    // Refreshing the list while a port is being asked would only add noise.
    timer_->stop();
    probePorts(
        *probe_, candidates,
        [this](const ProbeResult& r) { findStatus_->setText(findStatus_->text() + "\n" + qs(probeLine(r, app_.language()))); },
        [this](const std::vector<ProbeResult>& results) { probeDone(results); });
}

void PortDialog::probeDone(const std::vector<ProbeResult>& results) {
    find_->setEnabled(true);
    timer_->start(kRefreshMs);
    const LanguageIndex language = app_.language();
    if (!results.empty() && results.back().outcome == ProbeOutcome::Radio) {
        const ProbeResult& r = results.back();
        selectFound(r.comPort, qs(substitute(text(LinkText::ProbeFound, language),
                                             {portWithDevice(comPortName(r.comPort), r.device)})));
        return;
    }
    // No answer: the cable itself can still be found by unplugging it, without a byte sent.
    QString status = qs(text(LinkText::ProbeNoneAnswered, language));
    for (const ProbeResult& r : results) status += "\n" + qs(probeLine(r, language));
    if (results.empty()) status += "\n" + qs(text(LinkText::ProbeNoCandidates, language));
    status += "\n" + qs(text(LinkText::PlugInstruction, language));
    findStatus_->setText(status);
    model_.refresh();
    plugWatch_.emplace(model_.entries());
    showPorts();
}

void PortDialog::selectFound(std::uint16_t comPort, const QString& status) {
    model_.selectPort(comPort);
    showPorts();
    findStatus_->setText(status);
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
        const LanguageIndex language = app_.language();
        for (std::size_t i = 0; i < shown_.size(); ++i) {
            combo_->addItem(qs(portLine(shown_[i], shown_[i].comPort == app_.settings.comPort, language)));
            combo_->setItemData(static_cast<int>(i), qs(portDetails(shown_[i], language)), Qt::ToolTipRole);
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
    const QString details = i < 0 ? QString{} : qs(portDetails(shown_[static_cast<std::size_t>(i)], app_.language()));
    combo_->setToolTip(details);
    details_->setText(details);
}

void PortDialog::onOk() {
    model_.confirm(app_.settings.comPort, profiles_, app_.settingsPath);
    accept();
}

bool runPortDialog(QWidget* parent, AppState& app, ProfileFile& profiles, PortList& ports, DailyLog* log) {
    const std::uint16_t before = app.settings.comPort;
    PortDialog dialog(app, profiles, ports, parent, log);
    dialog.exec();
    return app.settings.comPort != before;
}

}  // namespace mv52
