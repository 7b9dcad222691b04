#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace dorvane {

class ReceiveQueue;

// The serial line as the transfer engine sees it: the real port (on Qt
// SerialPort) in the program, a scripted link to the simulated STB in the
// tests.
class SerialLink {
public:
    virtual ~SerialLink() = default;

    virtual bool isOpen() const = 0;

    // Hands the bytes to the driver; returns how many it took (0 when the
    // link is closed or failed).
    virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
    std::size_t writeByte(std::uint8_t byte) { return write(std::span<const std::uint8_t>(&byte, 1)); }

    // Received bytes, oldest first. The link pushes, the engine pops.
    virtual ReceiveQueue& receiveQueue() = 0;

    // Called once per burst of received bytes after they are queued
    // (the engine's step), and when the link fails while open (the adapter
    // unplugged): the handler then finds isOpen() false.
    void setDataHandler(std::function<void()> handler) { onData_ = std::move(handler); }
    void setFailureHandler(std::function<void()> handler) { onFailure_ = std::move(handler); }

protected:
    void notifyData() const {
        if (onData_) onData_();
    }
    void notifyFailure() const {
        if (onFailure_) onFailure_();
    }

private:
    std::function<void()> onData_;
    std::function<void()> onFailure_;
};

}  // namespace dorvane
