#include "qtcore/transfer/channel_check.h"

#include <QFile>

#include "core/database/channel_data_verify.h"
#include "qtcore/app/path_text.h"

namespace dorvane {

namespace {

constexpr int kPollMs = 250;
constexpr char kBackName[] = "read-back.bin";

}  // namespace

ChannelCheck::ChannelCheck(TransferSession& session, std::vector<std::uint8_t> sent, Millis boundMs, Done done)
    : session_(session), sent_(std::move(sent)), boundMs_(boundMs), done_(std::move(done)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
}

ChannelCheck::~ChannelCheck() { poll_.stop(); }

bool ChannelCheck::isChannelData(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 3 && bytes[0] == 'I' && bytes[1] == 'R' && bytes[2] == 'Z';
}

void ChannelCheck::start() {
    active_ = true;
    uploading_ = false;
    deadline_ = session_.loop().now() + boundMs_;
    QFile::remove(dir_.filePath(QLatin1String(kBackName)));
    poll_.start(kPollMs);
}

std::optional<std::filesystem::path> ChannelCheck::uploadTarget() const {
    if (!active_ || !dir_.isValid()) return std::nullopt;
    return pathFromText(dir_.filePath(QLatin1String(kBackName)));
}

// Until the application answers the link test, or the bound runs out.
void ChannelCheck::poll() {
    if (!active_ || uploading_) return;
    if (session_.loop().now() >= deadline_)
        return finish(ChannelCheckResult::Kind::NotVerified, "not verified: the application did not answer");
    if (!session_.state().receiverOn || session_.busy()) return;
    uploading_ = true;
    session_.upload();
}

bool ChannelCheck::uploadEnded(const SessionOutcome& outcome) {
    if (endPending_) {
        endPending_ = false;
        return true;
    }
    if (!uploading_) return false;
    uploading_ = false;
    compare(outcome);
    return true;
}

void ChannelCheck::compare(const SessionOutcome& outcome) {
    // The upload checks the link itself: not answering yet, try again.
    if (outcome.outcome == TransferOutcome::NotStarted && session_.loop().now() < deadline_) return;
    if (outcome.outcome != TransferOutcome::Succeeded)
        return finish(ChannelCheckResult::Kind::NotVerified,
                      outcome.outcome == TransferOutcome::NotStarted
                          ? "not verified: the application did not answer"
                          : "not verified: reading its channel data back failed");
    QFile file(dir_.filePath(QLatin1String(kBackName)));
    if (!file.open(QIODevice::ReadOnly))
        return finish(ChannelCheckResult::Kind::NotVerified, "not verified: the data read back could not be opened");
    const QByteArray back = file.readAll();
    const ChannelDataCheck check =
        compareChannelData(sent_, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(back.constData()),
                                                                static_cast<std::size_t>(back.size())));
    if (check.same) return finish(ChannelCheckResult::Kind::Verified, "verified");
    finish(ChannelCheckResult::Kind::Differs, "differs: " + check.firstDifference);
}

void ChannelCheck::stop() {
    if (!active_) return;
    if (uploading_ && session_.busy()) {
        endPending_ = true;
        uploading_ = false;
        session_.stopNow();
    }
    uploading_ = false;
    finish(ChannelCheckResult::Kind::NotVerified, "not verified: stopped");
}

void ChannelCheck::finish(ChannelCheckResult::Kind kind, const std::string& text) {
    if (!active_) return;
    active_ = false;
    uploading_ = false;
    poll_.stop();
    done_(ChannelCheckResult{kind, text});
}

}  // namespace dorvane
