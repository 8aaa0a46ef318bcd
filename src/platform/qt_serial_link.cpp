#include "platform/qt_serial_link.h"

#include <QTimer>

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <cerrno>
#endif

namespace mv52 {

PortFailure QtSerialLink::failureOf(QSerialPort::SerialPortError error) const {
    switch (error) {
        case QSerialPort::DeviceNotFoundError: return PortFailure::NotFound;
        case QSerialPort::OpenError: return PortFailure::Busy;
        case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
            // Qt reports a refused open, a device another program holds exclusively and a
            // lock file of another program all as this. Whether the file itself may be
            // opened tells them apart.
            if (::access(device_.c_str(), R_OK | W_OK) == 0) return PortFailure::Busy;
#endif
            return PortFailure::Permission;
        default: return PortFailure::Other;
    }
}

QtSerialLink::QtSerialLink(PortResolver resolver, QObject* parent)
    : QObject(parent), resolver_(std::move(resolver)) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialLink::deliverWhenComplete);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
}

LinkOpenResult QtSerialLink::open(std::uint16_t comPort) {
    if (port_.isOpen()) port_.close();
    const std::optional<std::string> device = resolver_ ? resolver_(comPort) : std::nullopt;
    device_ = device.value_or(std::string{});
    if (!device) return {false, "COM" + std::to_string(comPort) + " is not a known serial port", PortFailure::NoDevice};
    failed_ = false;
    threshold_ = 1;
    port_.setPortName(QString::fromStdString(device_));
    if (!port_.open(QIODevice::ReadWrite)) return {false, port_.errorString().toStdString(), failureOf(port_.error())};
    const bool configured = port_.setBaudRate(QSerialPort::Baud9600) && port_.setDataBits(QSerialPort::Data8) &&
                            port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        const std::string reason = port_.errorString().toStdString();
        port_.close();
        return {false, reason, PortFailure::Other};
    }
    port_.clear();
    return {true, {}};
}

void QtSerialLink::close() {
    if (port_.isOpen()) port_.close();
}

void QtSerialLink::setReceiveThreshold(std::size_t count) {
    threshold_ = count == 0 ? 1 : count;
    // Enough bytes may already wait; the check runs from the event loop, never inside this
    // call. Otherwise the next readyRead does it.
    if (port_.isOpen() && static_cast<std::size_t>(port_.bytesAvailable()) >= threshold_)
        QTimer::singleShot(0, this, &QtSerialLink::deliverWhenComplete);
}

void QtSerialLink::clearBuffers() {
    if (port_.isOpen()) {
        port_.clear();
        port_.readAll();
    }
}

void QtSerialLink::write(std::span<const std::uint8_t> bytes) {
    if (!port_.isOpen()) return;
    const char* data = reinterpret_cast<const char*>(bytes.data());
    auto size = static_cast<qint64>(bytes.size());
#ifdef Q_OS_UNIX
    // Straight to the descriptor while Qt holds nothing unsent: QSerialPort would switch its
    // write notifier on and off around the frame, two wake-ups of the event loop per request.
    // Whatever the system does not take at once goes the usual way.
    if (port_.bytesToWrite() == 0) {
        while (size > 0) {
            const ssize_t written = ::write(static_cast<int>(port_.handle()), data, static_cast<std::size_t>(size));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) break;
            data += written;
            size -= written;
        }
        if (size == 0) return;
    }
#endif
    port_.write(data, size);
    // Hand the frame to the system now rather than from the next turn of the event loop: the
    // reply cannot come before the request has left.
    port_.flush();
}

void QtSerialLink::deliverWhenComplete() {
    if (!port_.isOpen() || static_cast<std::size_t>(port_.bytesAvailable()) < threshold_) return;
    const QByteArray data = port_.readAll();
    notifyDataReceived(std::vector<std::uint8_t>(data.begin(), data.end()));
}

void QtSerialLink::onError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !port_.isOpen() || failed_) return;
    // Open failures are reported by open(); this is a port that failed or vanished while open.
    failed_ = true;
    const std::string reason = port_.errorString().toStdString();
    QTimer::singleShot(0, this, [this, reason] { notifyPortError(reason); });
}

}  // namespace mv52
