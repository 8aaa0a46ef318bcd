// FrmToneTips on screen: the tabs and lists, the picture, the rule that keeps one entry valid,
// the other windows' roger lists, Play and Stop, and Save as WAV.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <filesystem>

#include "platform/qt_tone_output.h"
#include "tones/roger_beep.h"
#include "tones/roger_picture.h"
#include "tones/tone_samples.h"
#include "ui/roger_beep_window.h"
#include "ui/tone_windows_support.h"

namespace mv52::test {
namespace {

// A sound device the test drives: it records each step and ends it when told to.
class StepOutput final : public ToneOutput {
public:
    struct Log {
        std::vector<int> hz;
        int stops = 0;
        std::function<void()> pending;
    };
    explicit StepOutput(std::shared_ptr<Log> log) : log_(std::move(log)) {}
    void sound(int frequencyHz, std::chrono::milliseconds, std::function<void()> finished) override {
        log_->hz.push_back(frequencyHz);
        log_->pending = std::move(finished);
    }
    void stop() override {
        ++log_->stops;
        log_->pending = nullptr;
    }

private:
    std::shared_ptr<Log> log_;
};

struct RogerRig : ToneRig {
    std::shared_ptr<StepOutput::Log> sound = std::make_shared<StepOutput::Log>();
    QMdiSubWindow* frame = nullptr;

    explicit RogerRig(const std::string& settings = {}) : ToneRig(0x0409, settings) {
        toneOutput = [log = sound] { return std::make_unique<StepOutput>(log); };
    }
    RogerBeepWindow& openRoger() {
        frame = open(kRogerBeepWindow);
        auto* w = dynamic_cast<RogerBeepWindow*>(frame ? frame->widget() : nullptr);
        EXPECT_NE(w, nullptr);
        return *w;
    }
    QComboBox* list(const char* name) { return in<QComboBox>(frame, name); }
    QPushButton* button(const char* name) { return in<QPushButton>(frame, name); }
    void showTab(int n) { in<QTabBar>(frame, "TabStrip1")->setCurrentIndex(n - 1); }
    RogerBeepEntry& entry(int n) { return app->workspace->current.header.rogerBeep[static_cast<std::size_t>(n - 1)]; }
    void keepValid(std::initializer_list<int> valid) {
        for (int n = 1; n <= kRogerEntryCount; ++n)
            if (std::find(valid.begin(), valid.end(), n) == valid.end()) entry(n).recycleTimes() = 0;
    }
};

// The colour of the picture at the middle of tone i's bar, as the core lays the bars out.
QColor barColour(QWidget* picture, const RogerBeepEntry& e, int tone) {
    const QImage image = picture->grab().toImage();
    for (const RogerBar& bar : rogerBars(e, picture->width() * 15, picture->height() * 15))
        if (bar.tone == tone) return image.pixelColor((bar.left + bar.width / 2) / 15, (bar.top + bar.height / 2) / 15);
    return {};
}

TEST(RogerBeepWindow, OpensOnEntryOneWithItsListsAndPicture) {
    RogerRig rig;
    RogerBeepWindow& w = rig.openRoger();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Roger Beep"));
    auto* tabs = RogerRig::in<QTabBar>(rig.frame, "TabStrip1");
    ASSERT_EQ(tabs->count(), 8);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("RB Tone 1"));
    EXPECT_EQ(w.currentEntry(), 1);
    EXPECT_EQ(rig.list("Combo1_0")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(rig.list("Combo2_0")->count(), 256);
    EXPECT_EQ(rig.list("Combo3_0")->currentText(), QStringLiteral("2100"));
    EXPECT_EQ(rig.list("Combo3_1")->currentText(), QStringLiteral("None"));
    EXPECT_EQ(rig.list("Combo4_6")->currentText(), QStringLiteral("100"));
    EXPECT_EQ(rig.list("Combo4_7")->currentText(), QStringLiteral("0"));
    EXPECT_EQ(RogerRig::in<QLabel>(rig.frame, "Combo3_13_label")->text(), QStringLiteral("Fourteenth Tone"));

    QWidget* picture = RogerRig::in<QWidget>(rig.frame, "Picture1");
    EXPECT_EQ(barColour(picture, rig.entry(1), 1), QColor(Qt::red));
    EXPECT_EQ(barColour(picture, rig.entry(1), 3), QColor(Qt::red));
    // Resized, the bars are laid out again for the new size.
    rig.frame->resize(rig.frame->width() + 200, rig.frame->height() + 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(barColour(picture, rig.entry(1), 5), QColor(Qt::red));

    rig.showTab(4);
    EXPECT_EQ(w.currentEntry(), 4);
    EXPECT_EQ(rig.list("Combo3_4")->currentText(), QStringLiteral("1920"));
    EXPECT_EQ(barColour(picture, rig.entry(4), 2), QColor(Qt::blue));
}

TEST(RogerBeepWindow, ChineseTabCaptions) {
    RogerRig rig("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=2\r\n");
    RogerBeepWindow& w = rig.openRoger();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("RB音"));
    auto* tabs = RogerRig::in<QTabBar>(rig.frame, "TabStrip1");
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(tabs->tabText(n - 1), QStringLiteral("RB音 %1").arg(n));
    EXPECT_EQ(rig.list("Combo1_0")->itemText(0), QStringLiteral("关"));
    EXPECT_EQ(rig.button("CommandPlay")->text(), QStringLiteral("播放(&Y)"));
}

TEST(RogerBeepWindow, AFrequencyIsStoredByItsTextAndRedrawsThePicture) {
    RogerRig rig;
    rig.openRoger();
    QWidget* picture = RogerRig::in<QWidget>(rig.frame, "Picture1");
    RogerRig::choose(rig.list("Combo3_0"), QStringLiteral("1000"));
    EXPECT_EQ(rig.entry(1).toneFreq(1), 100);
    EXPECT_EQ(barColour(picture, rig.entry(1), 1), QColor(Qt::red));
    // The bar of tone 3 was as high before: where tone 1 reached then is white now.
    const QImage image = picture->grab().toImage();
    const std::vector<RogerBar> bars = rogerBars(rig.entry(1), picture->width() * 15, picture->height() * 15);
    const RogerBar& three = bars[2];
    EXPECT_EQ(image.pixelColor((bars[0].left + bars[0].width / 2) / 15, (three.top + 30) / 15), QColor(Qt::white));
}

TEST(RogerBeepWindow, TheLastValidEntrySnapsBackWhenSwitchedOff) {
    RogerRig rig;
    rig.keepValid({2});
    rig.openRoger();
    rig.showTab(2);
    RogerRig::choose(rig.list("Combo1_0"), QStringLiteral("Off"));
    EXPECT_EQ(rig.list("Combo1_0")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(rig.entry(2).recycleTimes(), 1);
}

TEST(RogerBeepWindow, SwitchingAnEntryOffReachesTheChannelsAndTheOtherWindows) {
    RogerRig rig;
    rig.keepValid({1, 2});
    ChannelRecord& a = rig.channel(0, 1, 1);
    ChannelRecord& ham = rig.channel(1, 10, 1);
    ChannelRecord& k = rig.channel(0, 11, 1);
    a.RogerBeep = ham.RogerBeep = k.RogerBeep = 2;
    auto* channelRoger = RogerRig::in<QComboBox>(rig.openChannelWindow(), "Combo8_11");
    EXPECT_TRUE(RogerRig::itemsOf(channelRoger).contains(QStringLiteral("2")));
    QMdiSubWindow* options = rig.open(kOptionFeaturesWindow);
    auto* roger = RogerRig::in<QComboBox>(options, "Combo1_53");
    EXPECT_EQ(RogerRig::itemsOf(roger), (QStringList{"OFF", "1", "2"}));
    rig.openRoger();

    rig.showTab(2);
    RogerRig::choose(rig.list("Combo1_0"), QStringLiteral("Off"));
    EXPECT_EQ(rig.entry(2).recycleTimes(), 0);
    EXPECT_EQ(a.RogerBeep, 0);
    EXPECT_EQ(ham.RogerBeep, 0);
    EXPECT_EQ(k.RogerBeep, 2);
    EXPECT_EQ(RogerRig::itemsOf(roger), (QStringList{"OFF", "1"}));
    EXPECT_FALSE(RogerRig::itemsOf(channelRoger).contains(QStringLiteral("2")));
    EXPECT_TRUE(RogerRig::itemsOf(channelRoger).contains(QStringLiteral("1")));
}

TEST(RogerBeepWindow, AnEntryWithoutLengthsLeavesTheRogerLists) {
    RogerRig rig;
    rig.keepValid({1, 3});
    auto* channelRoger = RogerRig::in<QComboBox>(rig.openChannelWindow(), "Combo8_11");
    QMdiSubWindow* options = rig.open(kOptionFeaturesWindow);
    auto* roger = RogerRig::in<QComboBox>(options, "Combo1_53");
    EXPECT_EQ(RogerRig::itemsOf(roger), (QStringList{"OFF", "1", "3"}));
    rig.openRoger();
    rig.showTab(3);
    for (const char* length : {"Combo4_0", "Combo4_1", "Combo4_2", "Combo4_3", "Combo4_4", "Combo4_5"})
        RogerRig::choose(rig.list(length), QStringLiteral("0"));
    EXPECT_TRUE(RogerRig::itemsOf(channelRoger).contains(QStringLiteral("3")));  // still valid
    RogerRig::choose(rig.list("Combo4_6"), QStringLiteral("0"));
    EXPECT_EQ(validRogerEntry(rig.app->workspace->current.header.rogerBeep, 3), 0);
    EXPECT_EQ(RogerRig::itemsOf(roger), (QStringList{"OFF", "1"}));
    EXPECT_FALSE(RogerRig::itemsOf(channelRoger).contains(QStringLiteral("3")));
}

TEST(RogerBeepWindow, PlayAndStop) {
    RogerRig rig;
    RogerBeepWindow& w = rig.openRoger();
    QPushButton* play = rig.button("CommandPlay");
    QPushButton* stop = rig.button("CommandStop");
    EXPECT_TRUE(play->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    play->click();
    EXPECT_FALSE(play->isEnabled());
    EXPECT_TRUE(stop->isEnabled());
    EXPECT_EQ(rig.sound->hz, (std::vector<int>{2100}));
    // A change while it plays reaches the tones not yet played.
    RogerRig::choose(rig.list("Combo3_2"), QStringLiteral("1500"));
    std::exchange(rig.sound->pending, nullptr)();
    std::exchange(rig.sound->pending, nullptr)();
    EXPECT_EQ(rig.sound->hz, (std::vector<int>{2100, 0, 1500}));
    stop->click();
    EXPECT_EQ(rig.sound->stops, 1);
    EXPECT_FALSE(rig.sound->pending);
    EXPECT_TRUE(play->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_FALSE(w.player().playing());

    // Played to its end, the tune gives Play back by itself.
    play->click();
    while (rig.sound->pending) std::exchange(rig.sound->pending, nullptr)();
    EXPECT_TRUE(play->isEnabled());

    // An entry that sounds nothing leaves Play as it is.
    rig.showTab(6);
    const std::size_t sounded = rig.sound->hz.size();
    play->click();
    EXPECT_EQ(rig.sound->hz.size(), sounded);
    EXPECT_TRUE(play->isEnabled());
}

TEST(RogerBeepWindow, ClosingStopsTheTune) {
    RogerRig rig;
    rig.openRoger();
    rig.button("CommandPlay")->click();
    ASSERT_TRUE(rig.sound->pending);
    rig.button("CommandClose")->click();
    EXPECT_TRUE(waitUntil([&] { return !rig.window().childWindows().isOpen(kRogerBeepWindow); }));
    EXPECT_GE(rig.sound->stops, 1);
    EXPECT_FALSE(rig.sound->pending);
}

TEST(RogerBeepWindow, WithoutASoundDeviceATuneKeepsItsTimeAndEnds) {
    RogerRig rig;
    rig.toneOutput = nullptr;  // the silent output
    rig.openRoger();
    // The window says why Play will be silent.
    auto* note = RogerRig::in<QLabel>(rig.frame, "LabelNoSoundDevice");
    EXPECT_FALSE(note->isHidden());
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("No sound device")));
    QPushButton* play = rig.button("CommandPlay");
    play->click();
    EXPECT_FALSE(play->isEnabled());
    EXPECT_TRUE(waitUntil([&] { return play->isEnabled(); }));
}

TEST(RogerBeepWindow, ASoundOutputWithoutADeviceKeepsTheTimingInSilence) {
    QtToneOutput output{QAudioDevice()};
    EXPECT_FALSE(output.audible());
    bool finished = false;
    output.sound(1000, std::chrono::milliseconds(30), [&finished] { finished = true; });
    EXPECT_FALSE(finished);  // never inside sound()
    EXPECT_TRUE(waitUntil([&] { return finished; }));
}

TEST(RogerBeepWindow, SaveAsWavWritesTheShownEntry) {
    RogerRig rig;
    RogerBeepWindow& w = rig.openRoger();
    const std::string path = rig.install.file("tune.wav");
    rig.files.answers.push_back(path);
    w.saveWav();
    ASSERT_EQ(rig.files.calls.size(), 1u);
    EXPECT_EQ(rig.files.calls[0].preset, "rb1.wav");
    EXPECT_EQ(readBytes(path), wavFileBytes(renderSteps(rogerSchedule(rig.entry(1)))));
    EXPECT_EQ(std::filesystem::file_size(path), 44u + 2u * 30870u);

    // An existing file is replaced only when the user says so.
    rig.showTab(2);
    rig.files.answers.push_back(path);
    rig.prompter.answers.push_back(PromptAnswer::Cancel);
    w.saveWav();
    EXPECT_EQ(std::filesystem::file_size(path), 44u + 2u * 30870u);

    // An entry that sounds nothing says why and asks for no file.
    rig.showTab(7);
    w.saveWav();
    EXPECT_EQ(rig.files.calls.size(), 2u);
    EXPECT_EQ(rig.prompter.asked.back().text, "RB Tone 7 does not play: its Recycle Times are Off.");
}

}  // namespace
}  // namespace mv52::test
