#pragma once
// What the sound device reads while a tune plays: the samples of the step sounding now, then
// silence. Handing over a step's last sample runs the step's `finished`, and a step given
// there continues in the same read, so steps follow one another without a gap and each lasts
// exactly its samples.

#include <QIODevice>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace mv52 {

class ToneStream final : public QIODevice {
public:
    ToneStream();

    void setStep(std::vector<std::int16_t> samples, std::function<void()> finished);
    // The step ends with a short fall from where it is; its `finished` is dropped.
    void cut();
    // The pending end of the step, and how long the step still sounds.
    std::function<void()> takeFinished();
    std::chrono::milliseconds remaining() const;
    bool busy() const;

    // While set, a step's end waits for the next read (it must not run inside sound()).
    bool holdEnds = false;
    // Runs when a step has been handed over and no step followed it.
    std::function<void()> ranDry;

    bool isSequential() const override { return true; }
    // Silence never runs out.
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::vector<std::int16_t> samples_;
    std::size_t position_ = 0;
    std::function<void()> finished_;
};

}  // namespace mv52
