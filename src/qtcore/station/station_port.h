#pragma once

#include <QString>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "qtcore/station/station_board.h"
#include "qtcore/station/station_receipt.h"
#include "qtcore/transfer/channel_check.h"
#include "qtcore/transfer/transfer_session.h"

namespace dorvane {

// What every port of a station does.
struct StationSetup {
    // A station waits for its boxes as long as it takes.
    static constexpr Millis kStartTimeout = Millis{24} * 60 * 60 * 1000;

    std::filesystem::path file;
    std::string fileName;  // as the receipts name it
    std::string sha256;
    bool repeat = false;  // after a box, wait for the next one on the port
    bool forced = false;
    // --verify: channel data read back from every box and compared.
    bool verify = false;
    Millis verifyBoundMs = ChannelCheck::kDefaultBoundMs;
    std::vector<std::uint8_t> bytes;  // the file's, for the comparison
    TransferSession::Options options;
};

// The file, checked once for every port: readable, not empty, within the
// bound unless forced; its name, bytes and SHA-256 for the receipts. Why
// not, when it cannot be used.
std::optional<std::string> prepareStationFile(StationSetup& setup);

// What a station's ports tell their front end (the command line, the
// window), all on the ports' thread.
class StationListener {
public:
    virtual ~StationListener() = default;
    virtual void portLog(const QString& port, const std::string& line) = 0;
    virtual void portError(const QString& port, const std::string& text) = 0;
    // Every change of the port's row.
    virtual void portStatus(const PortStatus& status) = 0;
    // A box's receipt, before the port goes on.
    virtual void receipt(const Receipt& receipt) = 0;
    virtual void portFinished(const QString& port) = 0;
};

// One port of a station: waits for its box to power on, downloads, follows
// the writing to its end, writes the box's receipt and (repeating) waits
// for the next box. A box still on from before (its application answers)
// is waited out until it is switched off.
class StationPort : public SessionObserver, private LineObserver {
public:
    StationPort(QString port, const StationSetup& setup, StationListener& listener);
    ~StationPort() override;
    StationPort(const StationPort&) = delete;
    StationPort& operator=(const StationPort&) = delete;

    // Opens the port and the image and arms the first download; false (and
    // said as the port's error) when the port or the file cannot be used.
    bool begin();
    // Ctrl-C: no new box. A port still waiting for its box ends now; a box
    // on the line is served to its end.
    void stop();
    // At once in every phase (a box mid-write is left as it is).
    void stopNow();
    bool finished() const { return finished_; }
    bool failed() const { return failed_; }  // a box not "ok", or the port unusable
    // The box on this port writes its memory.
    bool writing() const { return session_->receiverWriting(); }
    const QString& name() const { return port_; }
    const PortStatus& status() const { return status_; }

    // SessionObserver.
    void logLine(const std::string& line) override;
    void notice(const SessionNotice& notice) override;
    void figures(const TransferFigures& figures) override;
    void stateChanged(const SessionState& state) override;
    void transferEnded(const SessionOutcome& outcome) override;
    std::optional<std::filesystem::path> chooseUploadTarget() override;

private:
    void onLineBytes(LineDirection direction, std::span<const std::uint8_t> bytes, Millis at) override;
    void arm();
    void rearmLater(int ms);
    void awaitNextBox();
    void checkGone();
    void finish();
    void boxEnded(const SessionOutcome& outcome, const std::optional<ChannelCheckResult>& check);
    void writeReceipt(const SessionOutcome& outcome, const std::optional<ChannelCheckResult>& check);
    void error(const std::string& text);
    void setPhase(PortPhase phase);

    QString port_;
    QString serial_;  // the USB adapter's serial number, when it has one
    bool serialLooked_ = false;
    const StationSetup& setup_;
    StationListener& listener_;
    PortStatus status_;
    std::unique_ptr<TransferSession> session_;
    std::unique_ptr<ChannelCheck> check_;
    SessionOutcome downloaded_;  // the box's download, while its channel data is checked
    QTimer rearm_;
    QTimer goneCheck_;            // after a box, until it has left the line
    Millis lastHeardAt_ = 0;      // the last byte from the box
    Millis endedAt_ = 0;          // the last box's end
    bool mustHearAgain_ = false;  // the last box fell silent while writing
    std::string start_;           // the box's first byte, ISO 8601
    std::string reason_;          // the first error of the box's transfer
    SessionNotice::Kind lastKind_ = SessionNotice::Kind::Failed;
    bool noticed_ = false;  // a notice came in the current arming
    bool boxSeen_ = false;  // the box sent a byte since the download was armed
    bool armed_ = false;
    bool waitingSaid_ = false;  // "waiting for the STB to be switched off" once per box
    bool stopping_ = false;
    bool finished_ = false;
    bool failed_ = false;
    int boxes_ = 0;
};

}  // namespace dorvane
