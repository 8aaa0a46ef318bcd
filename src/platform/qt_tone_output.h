#pragma once
// The tone output on the sound device (Qt Multimedia). The device pulls samples as it needs
// them; each step's samples are made exactly as long as the step, and the next step is asked
// for the moment the last sample of one has been handed over, so tunes play without gaps and
// a step's length does not depend on any timer. Without a device, or when the device fails,
// the steps keep their timing in silence.

#include <QAudioDevice>
#include <QObject>
#include <memory>

#include "platform/silent_tone_output.h"
#include "system/tone_output.h"

class QAudioSink;
class QTimer;

namespace mv52 {

class ToneStream;

class QtToneOutput final : public QObject, public ToneOutput {
public:
    explicit QtToneOutput(const QAudioDevice& device);
    ~QtToneOutput() override;

    void sound(int frequencyHz, std::chrono::milliseconds length, std::function<void()> finished) override;
    void stop() override;

    // False once the device refused to play: the steps are then timed in silence.
    bool audible() const override { return !silent_; }

private:
    void startSink();
    void fallBackToSilence();

    QAudioDevice device_;
    std::unique_ptr<ToneStream> stream_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer* idle_ = nullptr;
    SilentToneOutput silence_;
    bool silent_ = false;
};

// The output for the default sound device, or a silent one when the system has none.
std::unique_ptr<ToneOutput> makeToneOutput();

}  // namespace mv52
