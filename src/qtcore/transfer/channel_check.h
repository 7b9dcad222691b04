#pragma once

#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "qtcore/transfer/transfer_session.h"

namespace dorvane {

// What became of channel data sent into an STB, read back and compared.
struct ChannelCheckResult {
    enum class Kind { Verified, Differs, NotVerified };
    Kind kind = Kind::NotVerified;
    // "verified", "differs: " and the first difference, or "not verified: "
    // and why ("the application did not answer", ...).
    std::string text;
    bool verified() const { return kind == Kind::Verified; }
};

// After a download of channel data: waits for the STB's application to
// answer the link test (it restarts after writing), uploads its database
// through the console command into a file of its own and compares it with
// what was sent, by content. The front end that observes the session hands
// it the upload's questions and its end while it is active.
class ChannelCheck {
public:
    using Done = std::function<void(const ChannelCheckResult&)>;
    // The default bound for the application to answer.
    static constexpr Millis kDefaultBoundMs = 90'000;

    ChannelCheck(TransferSession& session, std::vector<std::uint8_t> sent, Millis boundMs, Done done);
    ~ChannelCheck();
    ChannelCheck(const ChannelCheck&) = delete;
    ChannelCheck& operator=(const ChannelCheck&) = delete;

    void start();
    // Between start() and the result.
    bool active() const { return active_; }
    // The session's upload runs for the check.
    bool uploading() const { return uploading_; }
    // SessionObserver::chooseUploadTarget while active.
    std::optional<std::filesystem::path> uploadTarget() const;
    // SessionObserver::transferEnded: true when it was the check's upload
    // (the front end then ignores it).
    bool uploadEnded(const SessionOutcome& outcome);
    // Stopped from outside (a signal): not verified.
    void stop();

    // The file whose bytes are channel data worth checking ("IRZ").
    static bool isChannelData(const std::vector<std::uint8_t>& bytes);

private:
    void poll();
    void compare(const SessionOutcome& outcome);
    void finish(ChannelCheckResult::Kind kind, const std::string& text);

    TransferSession& session_;
    std::vector<std::uint8_t> sent_;
    Millis boundMs_;
    Done done_;
    QTemporaryDir dir_;
    QTimer poll_;
    Millis deadline_ = 0;
    bool active_ = false;
    bool uploading_ = false;
    bool endPending_ = false;  // a stopped upload has yet to report its end
};

}  // namespace dorvane
