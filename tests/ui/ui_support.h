#pragma once
// A temporary installation and scripted collaborators for the window tests.

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/file_chooser.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "system/port_list.h"
#include "app/startup.h"
#include "platform/ini_profile_file.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace mv52::test {

// Answers from a script (by default the first button), records every question with its
// detail, and may act while a question is up.
class ScriptedDetailPrompter : public DetailPrompter {
public:
    struct Asked {
        std::string text;
        std::string detail;
        MessageButtons buttons;
        MessageIcon icon;
    };
    std::deque<PromptAnswer> answers;
    std::vector<Asked> asked;
    std::function<void(const Asked&)> onAsk;

    PromptAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) override {
        return askWithDetail(text, {}, buttons, icon);
    }
    PromptAnswer askWithDetail(const std::string& text, const std::string& detail, MessageButtons buttons,
                               MessageIcon icon) override {
        asked.push_back({text, detail, buttons, icon});
        if (onAsk) onAsk(asked.back());
        if (!answers.empty()) {
            const PromptAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return firstButton(buttons);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const Asked& a : asked) t.push_back(a.text);
        return t;
    }
    bool wasAsked(const std::string& text) const {
        for (const Asked& a : asked)
            if (a.text == text) return true;
        return false;
    }
};

// File dialogs from a script: each call takes the next answer (nullopt = cancelled).
class ScriptedFileChooser : public FileChooser {
public:
    struct Call {
        bool save;
        std::string filter;
        std::string preset;
    };
    std::deque<std::optional<std::string>> answers;
    std::vector<Call> calls;

    std::optional<std::string> chooseOpen(const std::string& filter) override { return next({false, filter, {}}); }
    std::optional<std::string> chooseSave(const std::string& filter, const std::string& presetName) override {
        return next({true, filter, presetName});
    }

private:
    std::optional<std::string> next(Call call) {
        calls.push_back(std::move(call));
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FixedPortList : public PortList {
public:
    std::vector<PortEntry> entries;
    std::vector<PortEntry> ports() override { return entries; }
};

inline void writeText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// <temp>/ZU_418 with the built initial data files and background pictures, <temp>/Version.ini
// and <temp>/language/mysetup.ini.
class Installation {
public:
    explicit Installation(const std::string& settings = "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nHandshaking=0\r\n"
                                                        "StopBit=0\r\nCurrentLanguage=1\r\n") {
        namespace fs = std::filesystem;
        const fs::path built(MV52_PROGRAM_DIR);
        fs::create_directories(programFolder());
        for (const char* sub : {"Init", "PIC"})
            if (fs::exists(built / sub)) fs::copy(built / sub, programFolder() / sub, fs::copy_options::recursive);
        writeText(dir_.path() / "Version.ini",
                  "[Version]\r\nCurrentVersion=V200\r\nSoftVersionCount=2\r\nFirmVersionCount=2\r\n[Soft]\r\n"
                  "Version0=V200\r\nVersion1=V201\r\n[Firm]\r\nFirm0=V200V200\r\nFirm1=V201V201\r\n");
        writeText(settingsPath(), settings);
    }

    std::filesystem::path root() const { return dir_.path(); }
    std::filesystem::path programFolder() const { return dir_.path() / "ZU_418"; }
    std::filesystem::path settingsPath() const { return dir_.path() / "language" / "mysetup.ini"; }
    std::string file(const std::string& name) const { return dir_.file(name); }

private:
    TempDir dir_;
};

// The main window on a temporary installation with scripted collaborators.
struct WindowRig {
    explicit WindowRig(std::uint32_t systemLocale = 0x0409, const std::string& settings = {},
                       std::string decimalSymbol = ".")
        : install(settings.empty() ? Installation() : Installation(settings)) {
        locale.systemId = systemLocale;
        locale.userId = systemLocale;
        locale.symbol = std::move(decimalSymbol);
        StartupServices services{profiles, locale, clock, install.programFolder().string()};
        app = runStartup(services);
        localeChangesAtStart = locale.changes;
    }

    MainWindow& window() {
        if (!main) {
            main = std::make_unique<MainWindow>(MainWindowServices{
                *app, profiles, locale, store, prompter, files, launcher, ports, clock, "mv52",
                [this] { ++programEnds; }, backupFolder(), [this] { return toneOutput ? toneOutput() : nullptr; }});
            main->show();
            QCoreApplication::processEvents();
        }
        return *main;
    }

    // Backups of reads go into the installation's temporary folder.
    std::string backupFolder() const { return install.file("backups"); }

    template <typename T = QAction>
    T* find(const char* name) {
        return window().findChild<T*>(QString::fromLatin1(name));
    }

    // The frame without child windows: the channel window that opens with a new document
    // closed, so that a test can count the windows it opens itself.
    void clearFrame() {
        window().closeAllChildWindows();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Gives a child window a stand-in, so a test can count and recognise what opens.
    void defineTestWindow(const std::string& name, int* made = nullptr) {
        window().defineChildWindow(name, [name, made] {
            if (made) ++*made;
            auto* w = new QWidget;
            w->setObjectName(QString::fromStdString(name) + QStringLiteral("_content"));
            w->setWindowTitle(QString::fromStdString(name));
            w->resize(240, 160);
            return w;
        });
    }

    Installation install;
    IniProfileFile profiles;
    FakeLocale locale;
    FakeClock clock;
    MemorySettingsStore store;
    ScriptedDetailPrompter prompter;
    ScriptedFileChooser files;
    FakeLauncher launcher;
    FixedPortList ports;
    // The roger-beep window's sound; by default it keeps the timing in silence.
    std::function<std::unique_ptr<ToneOutput>()> toneOutput;
    std::unique_ptr<AppState> app;
    std::unique_ptr<MainWindow> main;
    int programEnds = 0;
    int localeChangesAtStart = 0;
};

// Runs the event loop until `done` holds or `timeoutMs` passed; true when it holds.
// The access key of a caption: 'a' for "Save &As"; "&&" is a plain ampersand; null for none.
inline QChar accessKey(const QString& text) {
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

inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Runs `body` as soon as the event loop runs again (inside a modal dialog's loop).
inline void whenIdle(std::function<void()> body, int delayMs = 0) {
    QTimer::singleShot(delayMs, qApp, std::move(body));
}

// Runs `body` with the modal window once one is up (polling the event loop); a modal window
// that never comes is reported, and one that `body` leaves open is rejected after a while so
// that a failing test cannot hang.
inline void whenModal(std::function<void(QWidget*)> body, int timeoutMs = 5000) {
    auto* poll = new QTimer(qApp);
    auto* started = new QElapsedTimer;
    started->start();
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, started, body = std::move(body), timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (started->elapsed() < timeoutMs) return;
            ADD_FAILURE() << "no modal window came up";
        } else {
            body(modal);
            if (QApplication::activeModalWidget() == modal)
                QTimer::singleShot(timeoutMs, modal, [modal] {
                    if (QApplication::activeModalWidget() != modal) return;
                    ADD_FAILURE() << "the modal window " << modal->objectName().toStdString() << " stayed open";
                    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
                });
        }
        poll->stop();
        poll->deleteLater();
        delete started;
    });
    poll->start(5);
}

}  // namespace mv52::test
