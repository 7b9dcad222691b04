// Writes the seed inputs of fuzz_json_import and fuzz_csv_import: the demo
// database's JSON (indented and compact) and channel table, the table with
// semicolons, only a few rows, rows out of order, and with numbers that
// name other channels.
//
// Usage: make_exchange_seeds DIR
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>

#include "core/database/demo_data.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_table_csv.h"

namespace {

using namespace dorvane;

bool write(const QString& dir, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(dir);
    QFile f(dir + QLatin1Char('/') + name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make_exchange_seeds DIR\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    const QString json = out + QStringLiteral("/fuzz_json_import");
    const QString csv = out + QStringLiteral("/fuzz_csv_import");
    const QByteArray table = channelTableCsv(*db);
    QStringList rows = QString::fromUtf8(table.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QStringList few{rows[0], rows[3], rows[40]};
    few[1].replace(QStringLiteral("Rivo Sport"), QStringLiteral("Rivo \"Sport\", 2"));
    QStringList moved = rows;
    moved.move(10, 1);
    QStringList renumbered{rows[0]};
    for (qsizetype i = 1; i < 20; ++i)
        renumbered << QString::number(i + 50) + rows[i].mid(rows[i].indexOf(QLatin1Char(',')));
    const bool ok = write(json, QStringLiteral("demo.json"), databaseToJson(*db)) &&
                    write(json, QStringLiteral("demo-compact.json"), databaseToJson(*db, false)) &&
                    write(csv, QStringLiteral("demo.csv"), table) &&
                    write(csv, QStringLiteral("semicolon.csv"),
                          rows.join(QStringLiteral("\r\n")).replace(QLatin1Char(','), QLatin1Char(';')).toUtf8()) &&
                    write(csv, QStringLiteral("few.csv"), few.join(QLatin1Char('\n')).toUtf8()) &&
                    write(csv, QStringLiteral("moved.csv"), moved.join(QStringLiteral("\r\n")).toUtf8()) &&
                    write(csv, QStringLiteral("renumbered.csv"), renumbered.join(QStringLiteral("\r\n")).toUtf8());
    return ok ? 0 : 1;
}
