#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

// A dorvane-sim process for a test: started with the given options, its
// device path read from its first line (a bench of boxes: one line per box),
// its event lines collected.
class SimProcess {
public:
    explicit SimProcess(const QStringList& args, int boxes = 1) {
        process_.setProgram(QStringLiteral(DORVANE_BIN_DIR "/dorvane-sim"));
        process_.setArguments(args);
        process_.start();
        if (!process_.waitForStarted(5000)) return;
        QElapsedTimer t;
        t.start();
        while (paths_.size() < boxes && t.elapsed() < 5000) {
            if (process_.canReadLine())
                paths_.append(QString::fromLocal8Bit(process_.readLine()).trimmed());
            else
                process_.waitForReadyRead(100);
        }
        path_ = paths_.value(0);
    }
    ~SimProcess() {
        closeLine();
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(3000)) process_.kill();
            process_.waitForFinished(3000);
        }
    }

    const QString& path() const { return path_; }
    // Box k's device path (from 0); empty when the bench did not start.
    QString path(int k) const { return paths_.value(k); }
    int boxes() const { return static_cast<int>(paths_.size()); }

    // A command line on the simulator's standard input.
    void command(const char* line) {
        process_.write(line);
        process_.write("\n");
        process_.waitForBytesWritten(1000);
    }
    QProcess& process() { return process_; }

    // Opens the terminal as the program would (raw, 8 bits).
    bool openLine() {
        fd_ = ::open(path_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0) return false;
        termios t{};
        tcgetattr(fd_, &t);
        cfmakeraw(&t);
        tcsetattr(fd_, TCSANOW, &t);
        return true;
    }
    void closeLine() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd() const { return fd_; }

    void send(const std::vector<std::uint8_t>& bytes) const {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n > 0)
                done += static_cast<std::size_t>(n);
            else
                ::usleep(1000);
        }
    }
    void send(std::uint8_t byte) const { send(std::vector<std::uint8_t>{byte}); }

    // Up to count bytes, waiting at most timeoutMs.
    std::vector<std::uint8_t> receive(std::size_t count, int timeoutMs) {
        QElapsedTimer t;
        t.start();
        while (pending_.size() < count && t.elapsed() < timeoutMs) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 10) > 0) {
                std::uint8_t buf[4096];
                const ssize_t n = ::read(fd_, buf, sizeof buf);
                if (n > 0)
                    pending_.insert(pending_.end(), buf, buf + n);
                else if (n == 0 || (p.revents & (POLLHUP | POLLERR))) {
                    hungUp_ = true;
                    break;
                }
            }
        }
        const std::size_t n = std::min(count, pending_.size());
        std::vector<std::uint8_t> out(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
        return out;
    }
    bool hungUp() const { return hungUp_; }

    // Waits for an event line that contains text; returns it ("" on time-out).
    QString waitEvent(const QString& text, int timeoutMs) {
        QElapsedTimer t;
        t.start();
        for (;;) {
            while (process_.canReadLine()) {
                const QString line = QString::fromLocal8Bit(process_.readLine()).trimmed();
                events_.append(line);
                if (line.contains(text)) return line;
            }
            if (t.elapsed() >= timeoutMs || process_.state() == QProcess::NotRunning) return {};
            process_.waitForReadyRead(20);
        }
    }
    const QStringList& events() const { return events_; }

private:
    QProcess process_;
    QString path_;
    QStringList paths_;
    int fd_ = -1;
    std::vector<std::uint8_t> pending_;
    QStringList events_;
    bool hungUp_ = false;
};
