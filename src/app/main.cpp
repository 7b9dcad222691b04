#include <QApplication>

#include "app/tool_app.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane_QX"));
    return dorvane::CToolApp().run(QApplication::arguments());
}
