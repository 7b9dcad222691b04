#include "sim/application.h"

namespace dorvane::sim {

namespace {

constexpr char kUploadCommand[] = "loadb up curdb y";
constexpr std::size_t kLongestConsoleLine = 200;

}  // namespace

Application::Application(const ReceiverOptions& options, StbLine& line, StbControl& control, FaultTrigger& fault,
                         const std::function<bool()>& lineIdle)
    : opt_(options.app), line_(line), fault_(fault), sender_(options, line, control, fault, lineIdle) {}

void Application::start() {
    sender_.reset();
    console_.clear();
}

void Application::uploadCommand() { consoleLine(kUploadCommand); }

void Application::received(std::uint8_t byte) {
    if (sender_.running()) {
        sender_.received(byte);
        return;
    }
    if (byte == BEL) {
        line_.send(ACK);
        return;
    }
    if (opt_.echo) line_.send(byte);
    if (byte == '\r' || byte == '\n') {
        if (!console_.empty()) consoleLine(console_);
        console_.clear();
        return;
    }
    if (byte >= 0x20 && byte < 0x7F && console_.size() < kLongestConsoleLine)
        console_.push_back(static_cast<char>(byte));
}

void Application::consoleLine(const std::string& line) {
    line_.log("console " + line);
    if (line != kUploadCommand) {
        if (opt_.echo) line_.send(Bytes{'?', '\r', '\n'});
        return;
    }
    if (fault_.at(FaultPoint::Where::Command)) return;
    if (opt_.echo) {
        const std::string banner = "\r\nsending curdb...\r\n";
        line_.send(Bytes(banner.begin(), banner.end()));
    }
    sender_.begin();
}

}  // namespace dorvane::sim
