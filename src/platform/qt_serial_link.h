#pragma once
// The serial link over Qt SerialPort, with the receive-threshold behaviour the sessions
// rely on: once the buffered input reaches the threshold, everything buffered is delivered as
// one reply.

#include <QObject>
#include <QSerialPort>
#include <functional>
#include <optional>

#include "link/serial_link.h"

namespace mv52 {

class QtSerialLink final : public QObject, public SerialLink {
public:
    // Finds the device of a COM number (see port_names.h).
    using PortResolver = std::function<std::optional<std::string>(std::uint16_t comPort)>;

    explicit QtSerialLink(PortResolver resolver, QObject* parent = nullptr);

    LinkOpenResult open(std::uint16_t comPort) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void setReceiveThreshold(std::size_t count) override;
    void clearBuffers() override;
    void write(std::span<const std::uint8_t> bytes) override;

    // The device path of the last open(), for messages.
    std::string device() const override { return device_; }

private:
    PortFailure failureOf(QSerialPort::SerialPortError error) const;
    void deliverWhenComplete();
    void onError(QSerialPort::SerialPortError error);

    PortResolver resolver_;
    QSerialPort port_;
    std::string device_;
    std::size_t threshold_ = 1;
    bool failed_ = false;  // one error report per open
};

}  // namespace mv52
