#pragma once
// PortDialog: the modal port dialog. It lists the system's serial ports as COM names,
// refreshes the list every 1000 ms keeping the user's pick, preselects "COM" + comPort, and
// on OK stores the chosen number in `settings.comPort` and in the settings file.

#include <QDialog>
#include <vector>

#include "system/port_list.h"
#include "app/port_settings.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace mv52 {

struct AppState;
class ProfileFile;

class PortDialog final : public QDialog {
    Q_OBJECT
public:
    // Loads at once: captions in the current language, the port list with "COM" + comPort
    // selected, and `ReShowComPortTimer` running.
    PortDialog(AppState& app, ProfileFile& profiles, PortList& ports, QWidget* parent = nullptr);

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

    AppState& app_;
    ProfileFile& profiles_;
    PortSettings model_;
    std::vector<PortEntry> shown_;  // what Combo1 holds, so an unchanged list is not rebuilt
    QLabel* label_;
    QComboBox* combo_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QTimer* timer_;
};

// Shows the dialog modally; true when OK changed `app.settings.comPort`.
bool runPortDialog(QWidget* parent, AppState& app, ProfileFile& profiles, PortList& ports);

}  // namespace mv52
