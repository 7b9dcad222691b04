#include "sim/receiver.h"

#include <utility>

namespace dorvane::sim {

namespace {

constexpr Millis kDemoTickMs = 100;
// The program polls the link every half second while idle: polls that stop
// this long with the receiver off mean a download has been armed.
constexpr Millis kDemoPollsStoppedMs = 1500;
constexpr Millis kDemoApplicationMs = 60000;  // then the demo switches off

}  // namespace

Receiver::Receiver(ReceiverOptions options, EventLoop& loop, Send send, Log log, std::function<void()> closeLine)
    : opt_(std::move(options)),
      line_(loop, std::move(send), std::move(log), opt_.splitAnswers),
      fault_(opt_.fault, line_, *this, std::move(closeLine)),
      boot_(opt_, line_, *this, fault_),
      app_(opt_, line_, *this, fault_, lineIdle) {
    if (opt_.demo) line_.always(kDemoTickMs, [this] { demoTick(); });  // re-armed by demoTick
}

bool Receiver::command(const std::string& word) {
    if (word == "on")
        powerOn();
    else if (word == "off")
        powerOff();
    else if (word == "boot")
        startBootLoader();
    else if (word == "app")
        startApplication();
    else if (word == "upload")
        upload();
    else
        return false;
    return true;
}

void Receiver::received(const Bytes& bytes) {
    for (std::uint8_t b : bytes) {
        if (b == BEL) lastBel_ = line_.now();
        switch (mode_) {
            case Mode::Off:
            case Mode::Faulted: break;
            case Mode::Boot: boot_.received(b); break;
            case Mode::App: app_.received(b); break;
        }
    }
}

void Receiver::powerOn() {
    line_.log("power on");
    startBootLoader();
}

void Receiver::powerOff() {
    line_.cancelAll();
    mode_ = Mode::Off;
    line_.log("power off");
}

void Receiver::startBootLoader() {
    line_.cancelAll();
    mode_ = Mode::Boot;
    boot_.start();
}

void Receiver::startApplication() {
    line_.cancelAll();
    mode_ = Mode::App;
    app_.start();
    appSince_ = line_.now();
    line_.log("application");
}

void Receiver::fallSilent() {
    line_.cancelAll();
    mode_ = Mode::Faulted;
}

void Receiver::upload() {
    if (mode_ == Mode::App && !app_.uploading())
        app_.uploadCommand();
    else
        line_.log("upload ignored");
}

void Receiver::demoTick() {
    const Millis now = line_.now();
    if (mode_ == Mode::Off && lastBel_ >= 0 && now - lastBel_ > kDemoPollsStoppedMs) {
        line_.log("demo: switching on");
        lastBel_ = -1;
        powerOn();
    } else if (mode_ == Mode::App && !app_.uploading() && now - appSince_ > kDemoApplicationMs) {
        line_.log("demo: switching off");
        powerOff();
    }
    line_.always(kDemoTickMs, [this] { demoTick(); });
}

}  // namespace dorvane::sim
