#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// One run of the command-line program with a hard time limit.
struct CliRun {
    int status = -1;  // -1: crashed or killed at the limit
    QString out;
    QString err;
    qint64 elapsedMs = 0;

    QStringList outLines() const {
        QStringList lines = out.split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
};

// Test time limits: the start time-out and the engine's waits, shortened.
inline const char* const kShortTimeouts = "start=2000,reply=1500,batch=1000,writing=2000,first=2000,silence=1000";

// The same, started through a wrapper program (prlimit, setpriv, ...)
// given as its name and options; an empty wrapper runs it directly.
inline CliRun runCliAs(const QStringList& wrapper, const QStringList& args, const QProcessEnvironment& extra = {},
                       int limitMs = 30000);

inline CliRun runCli(const QStringList& args, const QProcessEnvironment& extra = {}, int limitMs = 30000) {
    return runCliAs({}, args, extra, limitMs);
}

inline CliRun runCliAs(const QStringList& wrapper, const QStringList& args, const QProcessEnvironment& extra,
                       int limitMs) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DORVANE_TIMEOUTS"), QString::fromLatin1(kShortTimeouts));
    for (const QString& key : extra.keys()) env.insert(key, extra.value(key));
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    const QString program = QStringLiteral(DORVANE_BIN_DIR "/dorvane");
    if (wrapper.isEmpty())
        p.start(program, args);
    else
        p.start(wrapper.first(), wrapper.mid(1) + QStringList{program} + args);
    CliRun r;
    if (!p.waitForFinished(limitMs)) {
        p.kill();
        p.waitForFinished(3000);
    } else if (p.exitStatus() == QProcess::NormalExit) {
        r.status = p.exitCode();
    }
    r.elapsedMs = t.elapsed();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Makes the sample images with the project's script.
inline bool makeSamples(const QString& dir) {
    QProcess gen;
    gen.start(QStringLiteral("python3"), {QStringLiteral(DORVANE_SOURCE_DIR "/scripts/make_samples.py"), dir});
    return gen.waitForFinished(30000) && gen.exitCode() == 0;
}
