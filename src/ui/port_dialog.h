#pragma once
// PortDialog: the modal port dialog. It lists the system's serial ports by COM name with
// their devices and what the system says about them, shows the selected one's details,
// refreshes the list every 1000 ms keeping the user's pick, preselects "COM" + comPort, and
// on OK stores the chosen number in `settings.comPort` and in the settings file.

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "system/port_list.h"
#include "app/port_settings.h"
#include "link/radio_probe.h"
#include "platform/qt_serial_link.h"
#include "platform/qt_timer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace mv52 {

struct AppState;
class DailyLog;
class ProfileFile;

class PortDialog final : public QDialog {
    Q_OBJECT
public:
    // Loads at once: captions in the current language, the port list with "COM" + comPort
    // selected, and `ReShowComPortTimer` running.
    // Find Radio's probes write their frames to `log`, when there is one.
    PortDialog(AppState& app, ProfileFile& profiles, PortList& ports, QWidget* parent = nullptr,
               DailyLog* log = nullptr);
    ~PortDialog() override;

    const PortSettings& model() const { return model_; }

public slots:
    // `ReShowComPortTimer`: lists the ports again, keeping the pick while its port exists.
    void reShowComPorts();

protected:
    void done(int result) override;  // stops the timer however the dialog closes

private:
    void showPorts();
    void showSelectedToolTip();
    void onPick(int index);
    void onOk();
    // Find Radio: asks the candidate ports; when none answers as the radio, waits for the
    // cable to be plugged in again. The port found is selected.
    void findRadio();
    void probeDone(const std::vector<ProbeResult>& results);
    void selectFound(std::uint16_t comPort, const QString& status);

    AppState& app_;
    ProfileFile& profiles_;
    PortSettings model_;
    std::vector<PortEntry> shown_;  // what Combo1 holds, so an unchanged list is not rebuilt
    QLabel* label_;
    QComboBox* combo_;
    QLabel* details_;  // what the system says about the selected port
    QPushButton* ok_;
    QPushButton* cancel_;
    QTimer* timer_;
    QPushButton* find_;
    QCheckBox* allPorts_;
    QLabel* findStatus_;
    DailyLog* log_;
    QtSerialLink probeLink_;
    QtOneShotTimer probeTimer_;
    std::unique_ptr<DailyLog> quietLog_;  // without a log of the program's
    std::unique_ptr<RadioProbe> probe_;
    std::optional<PlugWatch> plugWatch_;  // waiting for the cable to appear
};

// Shows the dialog modally; true when OK changed `app.settings.comPort`.
bool runPortDialog(QWidget* parent, AppState& app, ProfileFile& profiles, PortList& ports, DailyLog* log = nullptr);

}  // namespace mv52
