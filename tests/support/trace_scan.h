#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace dorvane::test {

// Looks for a file's bytes in transfer traces: every 16-byte run of the
// file's first `limit` bytes (0: all) with at least 8 distinct values, in hex
// as a trace shows it. Returns four counts: the runs looked for, the traces
// in the bundle, the bundle's trace lines that show a run, and the lines of
// the full trace that do; empty when the scan did not finish.
inline QStringList scanTracesForFile(const QString& bundle, const QString& file, int limit, const QString& fullTrace,
                                     int timeoutMs) {
    QProcess scan;
    scan.start("python3",
               {"-c",
                "import sys, zipfile\n"
                "data = open(sys.argv[2], 'rb').read()\n"
                "limit = int(sys.argv[4])\n"
                "data = data[:limit] if limit else data\n"
                "runs = {data[i:i + 16].hex(' ') for i in range(len(data) - 16)\n"
                "        if len(set(data[i:i + 16])) >= 8}\n"
                "def shown(text):\n"
                "    return sum(any(r in line.split(' ; ')[0] for r in runs) for line in text.splitlines())\n"
                "z = zipfile.ZipFile(sys.argv[1])\n"
                "traces = [n for n in z.namelist() if n.endswith('trace.txt')]\n"
                "print(len(runs), len(traces), sum(shown(z.read(n).decode()) for n in traces),\n"
                "      shown(open(sys.argv[3]).read()))\n",
                bundle, file, fullTrace, QString::number(limit)});
    if (!scan.waitForFinished(timeoutMs)) return {};
    return QString::fromUtf8(scan.readAllStandardOutput()).trimmed().split(' ');
}

}  // namespace dorvane::test
