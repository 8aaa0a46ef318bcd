#include "platform/tone_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "tones/tone_samples.h"

namespace mv52 {
namespace {

constexpr std::size_t kBytesPerSample = 2;

}  // namespace

// Unbuffered: QIODevice would otherwise read far ahead into a buffer of its own, so that
// Stop and each step's end would come late by that much.
ToneStream::ToneStream() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

void ToneStream::setStep(std::vector<std::int16_t> samples, std::function<void()> finished) {
    samples_ = std::move(samples);
    position_ = 0;
    finished_ = std::move(finished);
}

void ToneStream::cut() {
    const std::size_t left = samples_.size() - std::min(position_, samples_.size());
    const std::size_t fall = std::min(left, static_cast<std::size_t>(kToneSampleRate * kToneFadeMs / 1000));
    std::vector<std::int16_t> rest(samples_.begin() + static_cast<std::ptrdiff_t>(position_),
                                   samples_.begin() + static_cast<std::ptrdiff_t>(position_ + fall));
    for (std::size_t i = 0; i < rest.size(); ++i)
        rest[i] = static_cast<std::int16_t>(rest[i] * static_cast<double>(rest.size() - i) / static_cast<double>(rest.size()));
    setStep(std::move(rest), nullptr);
}

std::function<void()> ToneStream::takeFinished() { return std::exchange(finished_, nullptr); }

std::chrono::milliseconds ToneStream::remaining() const {
    const std::size_t left = samples_.size() - std::min(position_, samples_.size());
    return std::chrono::milliseconds(static_cast<long long>(left) * 1000 / kToneSampleRate);
}

bool ToneStream::busy() const { return position_ < samples_.size() || finished_ != nullptr; }

qint64 ToneStream::bytesAvailable() const { return (qint64{1} << 20) + QIODevice::bytesAvailable(); }

qint64 ToneStream::readData(char* data, qint64 maxSize) {
    const std::size_t wanted = maxSize > 0 ? static_cast<std::size_t>(maxSize) / kBytesPerSample : 0;
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
    return static_cast<qint64>(wanted * kBytesPerSample);
}

}  // namespace mv52
