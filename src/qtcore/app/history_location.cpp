#include "qtcore/app/history_location.h"

#include <QDir>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

#include "core/history/history_keeper.h"
#include "qtcore/app/path_text.h"

namespace dorvane {

QString historyFolder() {
    const QString chosen = qEnvironmentVariable(kHistoryFolderVariable);
    if (!chosen.isEmpty()) return chosen;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data.isEmpty() ? QDir::homePath() : data).filePath(QStringLiteral("Dorvane_QX/history"));
}

ListHistory programHistory() { return ListHistory(pathFromText(historyFolder())); }

void installProgramHistory(std::function<void(const QString& line)> report) {
    if (!report) {
        report = [](const QString& line) {
            QTextStream err(stderr);
            err << line << Qt::endl;
        };
    }
    setHistoryKeeper([report](const KeptList& list) {
        const auto kept = programHistory().keep(list);
        if (!kept.ok())
            report(
                QStringLiteral("The list was not kept in the history: %1").arg(QString::fromStdString(kept.message())));
    });
}

}  // namespace dorvane
