#include "sim/receiver.h"

#include "sim/kept_channels.h"

#include <lzo/lzo1x.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/common/byte_layout.h"

namespace dorvane::sim {

namespace {

constexpr char kUploadCommand[] = "loadb up curdb y";
constexpr Millis kMs = 1;

}  // namespace

namespace {

Bytes packEmptyDatabase() {
    // An empty database: prefix kind 0, no satellites, every transponder,
    // channel and favourite slot zero.
    const std::size_t payloadSize = 96 + 2000 * 16 + 5000 * 44 + 13824 + 288;
    const Bytes payload(payloadSize, 0);
    Bytes blob(36 + payloadSize + payloadSize / 16 + 64 + 3, 0);
    blob[0] = 'I';
    blob[1] = 'R';
    blob[2] = 'Z';
    le::write32(blob, 4, static_cast<std::uint32_t>(payloadSize));
    le::write16(blob, 8, 96);
    le::write16(blob, 10, 13824);
    le::write16(blob, 12, 288);
    le::write16(blob, 14, 60000);
    le::write16(blob, 16, 33);
    le::write16(blob, 18, 0);
    le::write16(blob, 20, 16);
    le::write16(blob, 22, 2000);
    le::write16(blob, 24, 44);
    le::write16(blob, 26, 5000);
    lzo_uint packed = 0;
    static std::vector<unsigned char> work(LZO1X_1_MEM_COMPRESS);
    if (lzo_init() != LZO_E_OK ||
        lzo1x_1_compress(payload.data(), payload.size(), blob.data() + 36, &packed, work.data()) != LZO_E_OK)
        packed = 0;
    le::write32(blob, 32, static_cast<std::uint32_t>(packed));
    blob.resize(36 + packed);
    return blob;
}

}  // namespace

Bytes builtInChannelData() {
    static const Bytes blob = packEmptyDatabase();  // packed once per process
    return blob;
}

Receiver::Receiver(ReceiverOptions options, EventLoop& timers, Send send, Log log, std::function<void()> closeLine)
    : opt_(std::move(options)),
      timers_(timers),
      send_(std::move(send)),
      log_(std::move(log)),
      closeLine_(std::move(closeLine)) {
    if (opt_.demo) timers_.schedule(100 * kMs, guard_.guard([this] { demoTick(); }));  // re-armed by demoTick
}

void Receiver::later(Millis ms, std::function<void()> fn) {
    timers_.schedule(ms, guard_.guard([this, cycle = cycle_, fn = std::move(fn)] {
        if (cycle == cycle_) fn();
    }));
}

void Receiver::sendSplit(const Bytes& b, std::size_t at) {
    if (!opt_.splitAnswers || at == 0 || at >= b.size()) {
        send(b);
        return;
    }
    send(Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(at)));
    later(3 * kMs, [this, rest = Bytes(b.begin() + static_cast<std::ptrdiff_t>(at), b.end())] { send(rest); });
}

void Receiver::cancelTimers() {
    ++cycle_;
    stop(requestTimer_);
    stop(windowTimer_);
    stop(byteTimer_);
    stop(phaseTimer_);
    stop(upTimer_);
    stop(noiseTimer_);
}

bool Receiver::command(const std::string& word) {
    if (word == "on")
        powerOn();
    else if (word == "off")
        powerOff();
    else if (word == "boot")
        startBoot();
    else if (word == "app")
        startApp();
    else if (word == "upload") {
        if (mode_ == Mode::App && up_ == Upload::None)
            consoleLine(kUploadCommand);
        else
            log_("upload ignored");
    } else
        return false;
    return true;
}

void Receiver::powerOn() {
    log_("power on");
    startBoot();
}

void Receiver::powerOff() {
    cancelTimers();
    mode_ = Mode::Off;
    up_ = Upload::None;
    block_.reset();
    log_("power off");
}

void Receiver::startBoot() {
    cancelTimers();
    mode_ = Mode::Boot;
    boot_ = Boot::WaitHeader;
    up_ = Upload::None;
    block_.reset();
    fileName_.clear();
    fileLength_ = 0;
    expected_ = 1;
    blocksTaken_ = 0;
    eots_ = 0;
    timeouts_ = 0;
    stored_ = false;
    log_("boot loader");
    if (faultAt(FaultPoint::Where::On)) return;
    if (opt_.bootWindowMs <= 0) {
        startApp();
        return;
    }
    sendRequest();
    windowTimer_ = timers_.schedule(opt_.bootWindowMs * kMs, [this] {
        windowTimer_ = 0;
        if (mode_ == Mode::Boot && boot_ == Boot::WaitHeader && !block_.active()) startApp();
    });
}

void Receiver::startApp() {
    cancelTimers();
    mode_ = Mode::App;
    up_ = Upload::None;
    consoleLine_.clear();
    appSince_ = timers_.now();
    log_("application");
}

void Receiver::sendRequest() {
    if (mode_ != Mode::Boot || boot_ != Boot::WaitHeader) return;
    if (!block_.active()) send(REQ_C);
    requestTimer_ = timers_.schedule(opt_.requestIntervalMs * kMs, [this] {
        requestTimer_ = 0;
        sendRequest();
    });
}

bool Receiver::faultAt(FaultPoint::Where where, std::optional<std::size_t> n) {
    if (!opt_.fault || opt_.fault->point != FaultPoint{where, n}) return false;
    const std::string point = opt_.fault->point.text();
    if (opt_.fault->kind == Fault::Kind::Restart && restarted_) return false;
    cancelTimers();
    mode_ = Mode::Faulted;
    switch (opt_.fault->kind) {
        case Fault::Kind::Silent: log_("fault silent at " + point); break;
        case Fault::Kind::Noise:
            log_("fault noise at " + point);
            emitNoise();
            break;
        case Fault::Kind::Close:
            log_("fault close at " + point);
            closeLine_();
            break;
        case Fault::Kind::Restart: {
            log_("fault restart at " + point);
            restarted_ = true;
            const bool application = opt_.fault->point.inApplication();
            phaseTimer_ = timers_.schedule(200 * kMs, [this, application] {
                phaseTimer_ = 0;
                if (application)
                    startApp();
                else
                    powerOn();
            });
            break;
        }
    }
    return true;
}

std::optional<std::size_t> Receiver::recordCut() const {
    if (!opt_.fault) return std::nullopt;
    const FaultPoint& point = opt_.fault->point;
    if (point.where != FaultPoint::Where::Info) return std::nullopt;
    return point.n ? std::min<std::size_t>(127, *point.n) : 64;
}

void Receiver::emitNoise() {
    static std::mt19937 rng(7);
    Bytes noise(64);
    for (auto& b : noise) b = static_cast<std::uint8_t>(rng());
    send(noise);
    noiseTimer_ = timers_.schedule(50 * kMs, [this] {
        noiseTimer_ = 0;
        if (mode_ == Mode::Faulted) emitNoise();
    });
}

void Receiver::received(const Bytes& bytes) {
    for (std::uint8_t b : bytes) {
        if (b == BEL) lastBel_ = timers_.now();
        switch (mode_) {
            case Mode::Off:
            case Mode::Faulted: break;
            case Mode::Boot: bootByte(b); break;
            case Mode::App: appByte(b); break;
        }
    }
}

// ---- boot loader: download --------------------------------------------

void Receiver::armByteTimeout() {
    stop(byteTimer_);
    byteTimer_ = timers_.schedule(opt_.answerTimeoutMs * kMs, [this] {
        byteTimer_ = 0;
        byteTimeout();
    });
}

void Receiver::byteTimeout() {
    if (mode_ != Mode::Boot) return;
    block_.reset();
    if (boot_ == Boot::WaitHeader) return;
    if (++timeouts_ > 5) {
        log_("download given up");
        startBoot();
        return;
    }
    log_("timeout");
    if (boot_ == Boot::Data) send(NAK);
    if (boot_ == Boot::EndBatch) send(REQ_C);
    armByteTimeout();
}

void Receiver::bootByte(std::uint8_t b) {
    if (boot_ == Boot::Writing) return;
    const std::uint8_t previous = lastBootByte_;
    lastBootByte_ = b;
    if (block_.active()) {
        if (block_.add(b))
            bootBlock();
        else
            armByteTimeout();
        return;
    }
    if (boot_ == Boot::RejectCode) {
        if (b == REJECT) {
            log_("refused");
            stop(byteTimer_);
            phaseTimer_ = timers_.schedule(1000 * kMs, [this] {
                phaseTimer_ = 0;
                startBoot();
            });
            boot_ = Boot::Writing;  // deaf until the restart
        } else {
            boot_ = Boot::InfoAnswer;
        }
        return;
    }
    switch (b) {
        case SOH:
        case STX:
            block_.start(b);
            armByteTimeout();
            return;
        case ACK:
            if (boot_ == Boot::InfoAnswer) {
                log_("info accepted");
                boot_ = Boot::Data;
                armByteTimeout();
            }
            return;
        case NAK:
            if (boot_ == Boot::InfoAnswer) boot_ = Boot::RejectCode;
            return;
        case CAN:
            // Two in a row: the program gave up; so does the boot loader.
            if ((boot_ == Boot::Data || boot_ == Boot::EndBatch) && previous == CAN) {
                log_("download cancelled");
                startBoot();
                return;
            }
            return;
        case DC1:
            if (boot_ == Boot::Data) answerDc1();
            return;
        case EOT:
            if (boot_ == Boot::Data || boot_ == Boot::EndBatch) {
                timeouts_ = 0;
                ++eots_;
                log_("eot " + std::to_string(eots_));
                if (eots_ == 1 && faultAt(FaultPoint::Where::Eot)) return;
                if (eots_ == 2 && faultAt(FaultPoint::Where::SecondEot)) return;
                if (eots_ == 1 && opt_.refuseFirstEot) {
                    send(NAK);
                    armByteTimeout();
                    return;
                }
                storeFile();
                boot_ = Boot::EndBatch;
                if (eots_ == 1) {
                    // Acknowledge the first EOT and ask for the next file a
                    // second later, as many standard receivers do.
                    send(ACK);
                    phaseTimer_ = timers_.schedule(1000 * kMs, [this] {
                        phaseTimer_ = 0;
                        if (mode_ == Mode::Boot && boot_ == Boot::EndBatch) send(REQ_C);
                    });
                } else {
                    sendSplit(Bytes{ACK, REQ_C}, 1);
                }
                armByteTimeout();
            }
            return;
        default: return;
    }
}

void Receiver::bootBlock() {
    const bool good = block_.sequenceBytesFit() && block_.crcMatches();
    const std::uint8_t seq = block_.sequence();
    const auto data = block_.data();
    const Bytes copy(data.begin(), data.end());
    block_.reset();
    timeouts_ = 0;

    if (boot_ == Boot::WaitHeader) {
        if (!good || seq != 0) {
            send(NAK);
            return;
        }
        stop(requestTimer_);
        stop(windowTimer_);
        file_.clear();  // kept until the next download starts
        const auto nul = std::find(copy.begin(), copy.end(), 0);
        fileName_.assign(copy.begin(), nul);
        fileLength_ = 0;
        for (auto it = nul == copy.end() ? nul : nul + 1; it != copy.end() && *it >= '0' && *it <= '9'; ++it)
            fileLength_ = fileLength_ * 10 + (*it - '0');
        log_("header " + fileName_ + " " + std::to_string(fileLength_));
        if (faultAt(FaultPoint::Where::Header)) return;
        if (opt_.enqAnswer) {
            Bytes record(128, 0);
            le::write32(record, info_record::kRecordLengthAt, opt_.recordLength);
            le::write32(record, info_record::kBootVersionAt, opt_.bootVersion);
            le::write32(record, info_record::kAppVersionAt, opt_.appVersion);
            std::copy(opt_.buyer.begin(), opt_.buyer.end(), record.begin() + info_record::kBuyerCodeAt);
            send(ENQ);
            if (const auto cut = recordCut()) {
                send(Bytes(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(*cut)));
                faultAt(opt_.fault->point.where, opt_.fault->point.n);
                return;
            }
            if (opt_.splitAnswers) {
                // ENQ and the start of the record, then the rest.
                send(Bytes(record.begin(), record.begin() + 39));
                later(3 * kMs, [this, rest = Bytes(record.begin() + 39, record.end())] { send(rest); });
            } else {
                send(record);
            }
            boot_ = Boot::InfoAnswer;
        } else {
            sendSplit(Bytes{ACK, REQ_C}, 1);
            boot_ = Boot::Data;
        }
        armByteTimeout();
        return;
    }

    if (boot_ == Boot::InfoAnswer || boot_ == Boot::RejectCode) return;  // a repeated header block

    if (boot_ == Boot::EndBatch) {
        if (good && seq == 0) {
            if (faultAt(FaultPoint::Where::Batch)) return;
            send(ACK);
            stop(byteTimer_);
            log_("batch end");
            startWriting();
        } else {
            send(NAK);
            armByteTimeout();
        }
        return;
    }

    // Data blocks.
    if (!good) {
        if (opt_.verbose) log_("bad block");
        send(NAK);
        armByteTimeout();
        return;
    }
    if (seq == 0 && blocksTaken_ == 0) return;  // the header block once more
    if (seq == static_cast<std::uint8_t>(expected_ - 1)) {
        send(ACK);  // our ACK was lost: the block again
        armByteTimeout();
        return;
    }
    if (seq != expected_) {
        send(NAK);
        armByteTimeout();
        return;
    }
    const int number = blocksTaken_ + 1;
    if (faultAt(FaultPoint::Where::Block, static_cast<std::size_t>(number))) return;
    if (opt_.fault && opt_.fault->point == FaultPoint{FaultPoint::Where::BlockNak, static_cast<std::size_t>(number)}) {
        send(NAK);
        faultAt(opt_.fault->point.where, opt_.fault->point.n);
        return;
    }
    if (opt_.nakBlocks.count(number) && nakDone_[number] < opt_.nakTimes) {
        ++nakDone_[number];
        log_("nak block " + std::to_string(number));
        send(NAK);
        armByteTimeout();
        return;
    }
    if (number == opt_.shrinkAtBlock && !opt_.shrinkPath.empty()) {
        std::error_code ec;
        std::filesystem::resize_file(opt_.shrinkPath, opt_.shrinkTo, ec);
        log_(ec ? "shrink failed" : "source shrunk");
    }
    file_.insert(file_.end(), copy.begin(), copy.end());
    ++blocksTaken_;
    ++expected_;
    if (opt_.verbose) log_("block " + std::to_string(number));
    send(ACK);
    if (faultAt(FaultPoint::Where::BlockAck, static_cast<std::size_t>(number))) return;
    armByteTimeout();
}

void Receiver::answerDc1() {
    log_("stop request");
    std::uint8_t answer = 0;
    switch (opt_.dc1Answer) {
        case ReceiverOptions::Dc1Answer::Ack: answer = ACK; break;
        case ReceiverOptions::Dc1Answer::Nak: answer = NAK; break;
        case ReceiverOptions::Dc1Answer::None: return;
    }
    if (opt_.dc1DelayMs <= 0)
        send(answer);
    else
        later(opt_.dc1DelayMs * kMs, [this, answer] { send(answer); });
}

void Receiver::storeFile() {
    if (stored_) return;
    stored_ = true;
    const std::size_t size = std::min<std::uint64_t>(file_.size(), fileLength_);
    log_("received " + std::to_string(size) + " bytes");
    if (opt_.storePath.empty()) return;
    const std::string tmp = opt_.storePath + ".part";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(file_.data()), static_cast<std::streamsize>(size));
        if (!f) {
            log_("store failed");
            return;
        }
    }
    std::rename(tmp.c_str(), opt_.storePath.c_str());
    log_("stored " + opt_.storePath);
}

void Receiver::keepChannels() {
    const std::size_t size = std::min<std::uint64_t>(file_.size(), fileLength_);
    const Bytes data(file_.begin(), file_.begin() + static_cast<std::ptrdiff_t>(size));
    if (!opt_.keepChannels || !isChannelData(data)) return;
    opt_.uploadBlob = opt_.changeKeptByte ? withOneByteChanged(data) : data;
    log_(opt_.changeKeptByte ? "keeps the channel data with one byte changed" : "keeps the channel data");
}

void Receiver::startWriting() {
    boot_ = Boot::Writing;
    if (faultAt(FaultPoint::Where::WriteStart)) return;
    const int steps = static_cast<int>(opt_.writeProgress.size()) + 1;
    writeStep_ = std::max(1, opt_.writeMs / steps) * kMs;
    phaseTimer_ = timers_.schedule(writeStep_, [this] {
        phaseTimer_ = 0;
        send(VT);
        log_("writing");
        if (faultAt(FaultPoint::Where::Writing)) return;
        writingProgress(0);
    });
}

void Receiver::writingProgress(std::size_t next) {
    const bool halfWay = next == opt_.writeProgress.size() / 2;
    const Millis stall = halfWay ? opt_.writeStallMs * kMs : 0;
    if (stall > 0) log_("writing stalls");
    phaseTimer_ = timers_.schedule(writeStep_ + stall, [this, next] {
        phaseTimer_ = 0;
        if (next < opt_.writeProgress.size()) {
            sendSplit(Bytes{RS, static_cast<std::uint8_t>(opt_.writeProgress[next])}, 1);
            if (faultAt(FaultPoint::Where::WritingReport, static_cast<std::size_t>(next + 1))) return;
            writingProgress(next + 1);
            return;
        }
        send(FF);
        log_("written");
        keepChannels();
        phaseTimer_ = timers_.schedule(500 * kMs, [this] {
            phaseTimer_ = 0;
            startBoot();  // the receiver restarts
        });
    });
}

// ---- application: link test and upload --------------------------------

void Receiver::appByte(std::uint8_t b) {
    if (up_ != Upload::None) {
        uploadByte(b);
        return;
    }
    if (b == BEL) {
        send(ACK);
        return;
    }
    if (opt_.echo) send(b);
    if (b == '\r' || b == '\n') {
        if (!consoleLine_.empty()) consoleLine(consoleLine_);
        consoleLine_.clear();
        return;
    }
    if (b >= 0x20 && b < 0x7F && consoleLine_.size() < 200) consoleLine_.push_back(static_cast<char>(b));
}

void Receiver::consoleLine(const std::string& line) {
    log_("console " + line);
    if (line != kUploadCommand) {
        if (opt_.echo) send(Bytes{'?', '\r', '\n'});
        return;
    }
    if (faultAt(FaultPoint::Where::Command)) return;
    if (opt_.echo) {
        const std::string banner = "\r\nsending curdb...\r\n";
        send(Bytes(banner.begin(), banner.end()));
    }
    up_ = Upload::WaitC;
    upOffset_ = 0;
    upSequence_ = 1;
    upRetries_ = 0;
    upBlockNumber_ = 0;
    senderInput_.clear();
    senderStarted_ = opt_.senderDelayMs <= 0;
    if (!senderStarted_) {
        phaseTimer_ = timers_.schedule(opt_.senderDelayMs * kMs, [this] {
            phaseTimer_ = 0;
            startSender();
        });
        return;
    }
    armUploadTimeout();
}

void Receiver::startSender() {
    if (mode_ != Mode::App || up_ == Upload::None) return;
    senderStarted_ = true;
    log_("sender started with " + std::to_string(senderInput_.size()) + " bytes waiting");
    armUploadTimeout();
    const Bytes waiting = std::move(senderInput_);
    senderInput_.clear();
    for (const std::uint8_t b : waiting) uploadByte(b);
}

void Receiver::armUploadTimeout() {
    stop(upTimer_);
    upTimer_ = timers_.schedule(opt_.answerTimeoutMs * kMs, [this] {
        upTimer_ = 0;
        uploadTimeout();
    });
}

void Receiver::uploadTimeout() {
    if (mode_ != Mode::App || up_ == Upload::None) return;
    if (++upRetries_ > 5 || (up_ == Upload::WaitC && !opt_.standardSender)) {
        endUpload("upload given up");
        return;
    }
    log_("upload timeout");
    switch (up_) {
        case Upload::HeaderAck: sendUploadHeader(); break;
        case Upload::BlockAck: sendUploadBlock(); break;
        case Upload::WaitC2:  // the ACK of the header block came, its 'C' did not
            if (opt_.standardSender) {
                ++upBlockNumber_;
                sendUploadBlock();
                up_ = Upload::BlockAck;
            }
            break;
        case Upload::Eot1:
        case Upload::Eot2: send(EOT); break;
        case Upload::EndAck: send(makeBlock(0, Bytes{}, 128, 0)); break;
        default: break;
    }
    armUploadTimeout();
}

void Receiver::endUpload(const std::string& how) {
    stop(upTimer_);
    up_ = Upload::None;
    log_(how);
}

void Receiver::sendUploadHeader() {
    Bytes data;
    auto add = [&data](const std::string& text) {
        data.insert(data.end(), text.begin(), text.end());
        data.push_back(0);
    };
    add("curdb");
    add(opt_.uploadLengthText.empty() ? std::to_string(opt_.uploadBlob.size()) : opt_.uploadLengthText);
    for (const auto& [name, length] : opt_.uploadExtraPairs) {
        add(name);
        add(length);
    }
    const std::size_t size = opt_.uploadHeader1K ? 1024 : 128;
    Bytes block = makeBlock(0, data, size, 0);
    if (headerCrcSpoiled_ < opt_.badHeaderCrcTimes) {
        ++headerCrcSpoiled_;
        block[block.size() - 2] ^= 0x5A;
        log_("upload header with a bad CRC");
    }
    send(block);
    if (opt_.duplicateHeader && !duplicateSent_) {
        duplicateSent_ = true;
        send(makeBlock(0, data, size, 0));
        log_("upload header twice");
    }
    headerSentAt_ = timers_.now();
}

Bytes Receiver::endOfUploadFile() const {
    if (opt_.uploadSecondFile) return makeHeaderBlock("second.irz", opt_.uploadBlob.size(), 128);
    return makeBlock(0, Bytes{}, 128, 0);
}

void Receiver::sendUploadBlock() {
    if (opt_.verbose) log_("upload block " + std::to_string(upSequence_));
    const std::size_t n = std::min<std::size_t>(1024, opt_.uploadBlob.size() - upOffset_);
    Bytes block =
        makeBlock(upSequence_, std::span<const std::uint8_t>(opt_.uploadBlob.data() + upOffset_, n), 1024, SUB);
    const int number = upBlockNumber_;
    if (number > 0 && (opt_.badCrcBlock == number || (opt_.badCrcOnceBlock == number && !crcSpoiled_))) {
        crcSpoiled_ = true;
        block[block.size() - 1] ^= 0x5A;
        if (opt_.verbose) log_("upload block " + std::to_string(upBlockNumber_) + " with a bad CRC");
    }
    if (number > 0 && opt_.cutBlock == number) {
        block.resize(std::min(block.size(), opt_.cutBlockBytes));
        send(block);
        log_("upload block " + std::to_string(upBlockNumber_) + " cut off");
        cancelTimers();
        mode_ = Mode::Faulted;
        return;
    }
    if (opt_.corruptSequenceBlock == upBlockNumber_ && !sequenceSpoiled_) {
        sequenceSpoiled_ = true;
        block[1] ^= 0x10;
        log_("upload block " + std::to_string(upBlockNumber_) + " with a garbled sequence byte");
    }
    send(block);
}

void Receiver::uploadByte(std::uint8_t b) {
    if (opt_.verbose && (b == ACK || b == NAK || b == CAN || b == EOT))
        log_(std::string("upload got ") + (b == ACK ? "ACK" : b == NAK ? "NAK" : b == CAN ? "CAN" : "EOT"));
    if (!senderStarted_) {
        senderInput_.push_back(b);
        return;
    }
    if (b == CAN && up_ != Upload::WaitC) {
        endUpload("upload cancelled");
        return;
    }
    if (b == ACK && up_ == Upload::BlockAck && opt_.lostAckBlock == upBlockNumber_ && !ackLost_) {
        ackLost_ = true;
        log_("ack of upload block " + std::to_string(upBlockNumber_) + " lost");
        return;
    }
    switch (up_) {
        case Upload::WaitC:
            if (b != REQ_C) return;
            if (faultAt(FaultPoint::Where::UploadHeader)) return;
            if (opt_.uploadEotFirst) {
                send(EOT);
                endUpload("upload without a file");
                return;
            }
            if (opt_.uploadNoHeader) {
                log_("upload without a header block");
                upBlockNumber_ = 1;
                sendUploadBlock();
                up_ = Upload::BlockAck;
                break;
            }
            log_("upload header");
            sendUploadHeader();
            up_ = Upload::HeaderAck;
            break;
        case Upload::HeaderAck:
            if (b == ACK) {
                up_ = Upload::WaitC2;
            } else if (b == NAK ||
                       (b == REQ_C && (opt_.standardSender || timers_.now() - headerSentAt_ > 1000 * kMs))) {
                sendUploadHeader();
            } else {
                return;
            }
            break;
        case Upload::WaitC2:
            if (b != REQ_C) return;
            [[fallthrough]];
        case Upload::BlockAck:
            if (up_ == Upload::BlockAck) {
                // The program answers a bad block with NAK and ACK back to
                // back: the ACK belongs to the NAK, not to the resent block.
                // (It comes while the resent block is still on its way; the
                // answer to the resent block cannot come before it is out.)
                const bool pairedWithNak = !opt_.standardSender && b == ACK && nakPending_ && lineIdle && !lineIdle();
                nakPending_ = false;
                if (pairedWithNak) return;
                if (b == NAK && opt_.deafToNak) return;  // its own time-out resends
                if (b == NAK || (opt_.standardSender && b == REQ_C)) {
                    nakPending_ = true;
                    if (++upRetries_ > 10) {
                        send(Bytes{CAN, CAN, CAN});
                        endUpload("upload given up");
                        return;
                    }
                    sendUploadBlock();
                    break;
                }
                if (b != ACK) return;
                upOffset_ += std::min<std::size_t>(1024, opt_.uploadBlob.size() - upOffset_);
                ++upSequence_;
            }
            upRetries_ = 0;
            if (upOffset_ >= opt_.uploadBlob.size()) {
                if (faultAt(FaultPoint::Where::UploadEot)) return;
                send(EOT);
                up_ = Upload::Eot1;
                break;
            }
            ++upBlockNumber_;
            if (faultAt(FaultPoint::Where::UploadBlock, static_cast<std::size_t>(upBlockNumber_))) return;
            sendUploadBlock();
            up_ = Upload::BlockAck;
            break;
        case Upload::Eot1:
            if (b == NAK) {
                send(EOT);
                up_ = Upload::Eot2;
            } else if (b == ACK) {
                up_ = Upload::WaitCEnd;
            } else {
                return;
            }
            break;
        case Upload::Eot2:
            if (b == ACK)
                up_ = Upload::WaitCEnd;
            else if (b == NAK)
                send(EOT);
            else
                return;
            break;
        case Upload::WaitCEnd:
            if (b != REQ_C) return;
            if (opt_.uploadSecondFile) log_("upload second file offered");
            send(endOfUploadFile());
            up_ = Upload::EndAck;
            break;
        case Upload::EndAck:
            if (b == ACK) {
                endUpload(opt_.uploadSecondFile ? "upload second file acknowledged" : "upload done");
                return;
            }
            if (b == NAK)
                send(endOfUploadFile());
            else
                return;
            break;
        case Upload::None: return;
    }
    armUploadTimeout();
}

// ---- demo operator -----------------------------------------------------

void Receiver::demoTick() {
    const Millis now = timers_.now();
    // The program polls the link every half second while idle; when the
    // polls stop with the receiver off, a download has been armed: switch on.
    if (mode_ == Mode::Off && lastBel_ >= 0 && now - lastBel_ > 1500 * kMs) {
        log_("demo: switching on");
        lastBel_ = -1;
        powerOn();
    } else if (mode_ == Mode::App && up_ == Upload::None && now - appSince_ > 60000 * kMs) {
        log_("demo: switching off");
        powerOff();
    }
    timers_.schedule(100 * kMs, guard_.guard([this] { demoTick(); }));
}

}  // namespace dorvane::sim
