#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "sim/fault_trigger.h"
#include "sim/receiver_options.h"
#include "sim/stb_line.h"
#include "sim/upload_sender.h"

namespace dorvane::sim {

// The receiver's application: answers the link test (BEL) with ACK, reads
// its boot console line by line and sends its channel data on the upload
// command.
class Application {
public:
    // lineIdle: whether nothing is queued to go out on the line.
    Application(const ReceiverOptions& options, StbLine& line, StbControl& control, FaultTrigger& fault,
                const std::function<bool()>& lineIdle);

    // Running (every timer already stopped): no console line, no upload.
    void start();
    void received(std::uint8_t byte);

    bool uploading() const { return sender_.running(); }
    // The upload command as if typed on the console.
    void uploadCommand();

private:
    void consoleLine(const std::string& line);

    const ApplicationOptions& opt_;
    StbLine& line_;
    FaultTrigger& fault_;
    std::string console_;
    UploadSender sender_;
};

}  // namespace dorvane::sim
