#include "app/path_text.h"
#include "cli/commands_all.h"
#include "image/inspection.h"

namespace dorvane::cli {

int runInspect(const QStringList& args) {
    if (args.isEmpty()) return usageError(inspectCommand(), QStringLiteral("inspect needs at least one file"));
    int status = kExitOk;
    CImageFile image;
    for (const QString& file : args) {
        const Inspection result = inspectImageFile(image, pathFromText(file));
        if (!result.opened) {
            err() << QString::fromStdString(result.errorMessage) << Qt::endl;
            status = kExitFailure;
            continue;
        }
        for (const std::string& line : result.logLines) out() << QString::fromStdString(line) << '\n';
        out().flush();
    }
    image.close();
    return status;
}

const Command& inspectCommand() {
    static const Command command{
        "inspect", "inspect FILE...",
        "Prints, for each file, the lines the main window logs when the file is\n"
        "opened: name, image type, size, version, build date and buyer.\n"
        "A refused header prints \"Image File corrupted!\" on standard error.",
        runInspect};
    return command;
}

}  // namespace dorvane::cli
