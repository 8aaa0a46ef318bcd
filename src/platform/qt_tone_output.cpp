#include "platform/qt_tone_output.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include "platform/tone_stream.h"
#include "tones/tone_samples.h"

namespace mv52 {
namespace {

// The device's buffer: short, so that Stop is heard at once.
constexpr int kBufferMs = 50;
// The device is let go after this long without a tune.
constexpr int kIdleMs = 2000;
constexpr int kBytesPerSample = 2;

QAudioFormat toneFormat() {
    QAudioFormat format;
    format.setSampleRate(kToneSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

}  // namespace

QtToneOutput::QtToneOutput(const QAudioDevice& device) : device_(device), stream_(std::make_unique<ToneStream>()) {
    idle_ = new QTimer(this);
    idle_->setSingleShot(true);
    idle_->setInterval(kIdleMs);
    connect(idle_, &QTimer::timeout, this, [this] {
        if (sink_ && !stream_->busy()) sink_->stop();
    });
    stream_->ranDry = [this] { idle_->start(); };
    if (device_.isNull() || !device_.isFormatSupported(toneFormat())) {
        silent_ = true;
        return;
    }
    sink_ = std::make_unique<QAudioSink>(device_, toneFormat());
    sink_->setBufferSize(static_cast<qsizetype>(kToneSampleRate * kBufferMs / 1000 * kBytesPerSample));
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State) {
        const QAudio::Error e = sink_->error();
        if (e == QAudio::OpenError || e == QAudio::IOError || e == QAudio::FatalError) fallBackToSilence();
    });
}

QtToneOutput::~QtToneOutput() {
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
    }
}

void QtToneOutput::sound(int frequencyHz, std::chrono::milliseconds length, std::function<void()> finished) {
    if (silent_) {
        silence_.sound(frequencyHz, length, std::move(finished));
        return;
    }
    idle_->stop();
    stream_->holdEnds = true;
    stream_->setStep(stepSamples(frequencyHz, static_cast<int>(length.count())), std::move(finished));
    if (sink_->state() == QAudio::StoppedState) startSink();
    stream_->holdEnds = false;
}

void QtToneOutput::stop() {
    silence_.stop();
    stream_->cut();
    if (!silent_) idle_->start();
}

void QtToneOutput::startSink() {
    sink_->start(stream_.get());
    if (sink_->error() != QAudio::NoError) fallBackToSilence();
}

void QtToneOutput::fallBackToSilence() {
    if (silent_) return;
    silent_ = true;
    // The step that sounded goes on in silence for what was left of it.
    const std::chrono::milliseconds left = stream_->remaining();
    std::function<void()> finished = stream_->takeFinished();
    stream_->setStep({}, nullptr);
    sink_->disconnect(this);
    sink_->stop();
    if (finished) silence_.sound(0, left, std::move(finished));
}

std::unique_ptr<ToneOutput> makeToneOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return std::make_unique<SilentToneOutput>();
    return std::make_unique<QtToneOutput>(device);
}

}  // namespace mv52
