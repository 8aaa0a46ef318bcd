#pragma once
// The serial port, seen from the link sessions. The adapter behaves like the Comm control
// the protocol was designed around: once the number of buffered input bytes reaches the
// receive threshold it delivers everything buffered, as one byte array, in one event. No
// reassembly happens anywhere else.
//
// Events are delivered from the event loop of the user-interface thread, never from inside
// a call of this interface; a handler may call any operation, close() included.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace mv52 {

// The line every session uses: 9600 baud, no parity, 8 data bits, 1 stop bit.
inline constexpr const char* kLinkSettings = "9600,N,8,1";

// Why a port could not be opened, as far as the system tells.
enum class PortFailure { None, NoDevice, NotFound, Permission, Busy, Other };

struct LinkOpenResult {
    bool ok = false;
    std::string reason;  // the system's reason when the port could not be opened
    PortFailure failure = PortFailure::Other;
};

class SerialLink {
public:
    using DataHandler = std::function<void(const std::vector<std::uint8_t>& bytes)>;
    using ErrorHandler = std::function<void(const std::string& reason)>;

    virtual ~SerialLink() = default;

    // Opens port `comPort` with kLinkSettings, no handshaking, binary input and a receive
    // threshold of 1.
    virtual LinkOpenResult open(std::uint16_t comPort) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The device behind the port of the last open() ("/dev/ttyUSB1"), for messages; empty
    // when unknown.
    virtual std::string device() const { return {}; }
    virtual void setReceiveThreshold(std::size_t count) = 0;
    // Empties the input and output buffers.
    virtual void clearBuffers() = 0;
    // Writes raw bytes; on a closed port nothing is written. A failure is reported through
    // the error event, not here.
    virtual void write(std::span<const std::uint8_t> bytes) = 0;

    // The session's handlers. An empty handler ignores the event.
    void setHandlers(DataHandler onData, ErrorHandler onError) {
        onData_ = std::move(onData);
        onError_ = std::move(onError);
    }

protected:
    // For adapters: the buffered count reached the threshold.
    void notifyDataReceived(const std::vector<std::uint8_t>& bytes) const {
        if (const DataHandler handler = onData_) handler(bytes);
    }
    // For adapters: the port failed or its device vanished while open.
    void notifyPortError(const std::string& reason) const {
        if (const ErrorHandler handler = onError_) handler(reason);
    }

private:
    DataHandler onData_;
    ErrorHandler onError_;
};

}  // namespace mv52
