#include "platform/qt_tone_output.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "tones/tone_samples.h"

namespace mv52 {
namespace {

// The device's buffer: short, so that Stop is heard at once.
constexpr int kBufferMs = 50;
// The device is let go after this long without a tune.
constexpr int kIdleMs = 2000;
constexpr qint64 kBytesPerSample = 2;

QAudioFormat toneFormat() {
    QAudioFormat format;
    format.setSampleRate(kToneSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

}  // namespace

// What the device reads: the samples of the step sounding now, then silence. Handing over
// the step's last sample runs its `finished`, whose next step continues in the same read.
class QtToneOutput::SampleStream final : public QIODevice {
public:
    SampleStream() { open(QIODevice::ReadOnly); }

    void setStep(std::vector<std::int16_t> samples, std::function<void()> finished) {
        samples_ = std::move(samples);
        position_ = 0;
        finished_ = std::move(finished);
    }
    // The step ends with a short fall from where it is; its `finished` is dropped.
    void cut() {
        finished_ = nullptr;
        const std::size_t fall = std::min(samples_.size() - std::min(position_, samples_.size()),
                                          static_cast<std::size_t>(kToneSampleRate * kToneFadeMs / 1000));
        std::vector<std::int16_t> rest(samples_.begin() + static_cast<std::ptrdiff_t>(position_),
                                       samples_.begin() + static_cast<std::ptrdiff_t>(position_ + fall));
        for (std::size_t i = 0; i < rest.size(); ++i)
            rest[i] = static_cast<std::int16_t>(rest[i] * static_cast<double>(rest.size() - i) / static_cast<double>(rest.size()));
        setStep(std::move(rest), nullptr);
    }
    // The pending end of the step and how long the step still sounds.
    std::function<void()> takeFinished() { return std::exchange(finished_, nullptr); }
    std::chrono::milliseconds remaining() const {
        const std::size_t left = samples_.size() - std::min(position_, samples_.size());
        return std::chrono::milliseconds(static_cast<long long>(left) * 1000 / kToneSampleRate);
    }
    bool busy() const { return position_ < samples_.size() || finished_ != nullptr; }

    // While set, a step's end waits for the next read (it must not run inside sound()).
    bool holdEnds = false;
    // Runs when a tune's last step has been handed over and nothing follows.
    std::function<void()> ranDry;

    bool isSequential() const override { return true; }
    // Silence never runs out.
    qint64 bytesAvailable() const override { return (1 << 20) + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const auto wanted = static_cast<std::size_t>(std::max<qint64>(maxSize / kBytesPerSample, 0));
        std::size_t done = 0;
        while (done < wanted) {
            if (position_ < samples_.size()) {
                const std::size_t n = std::min(wanted - done, samples_.size() - position_);
                std::memcpy(data + done * kBytesPerSample, samples_.data() + position_, n * kBytesPerSample);
                position_ += n;
                done += n;
                continue;
            }
            if (!finished_ || holdEnds) break;
            takeFinished()();  // may give the next step
            if (position_ >= samples_.size()) {
                if (ranDry && !finished_) ranDry();
                break;
            }
        }
        std::memset(data + done * kBytesPerSample, 0, (wanted - done) * kBytesPerSample);
        return static_cast<qint64>(wanted) * kBytesPerSample;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::vector<std::int16_t> samples_;
    std::size_t position_ = 0;
    std::function<void()> finished_;
};

QtToneOutput::QtToneOutput(const QAudioDevice& device) : device_(device), stream_(std::make_unique<SampleStream>()) {
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
