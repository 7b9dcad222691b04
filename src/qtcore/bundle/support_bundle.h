#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/common/result.h"

namespace dorvane {

// What goes into a support bundle beyond what the system tells.
struct BundleInputs {
    QString program = QStringLiteral("Dorvane_QX");
    QString port;                 // the port the program uses
    QString settingsApplication;  // whose settings ("Dorvane_QX")
    QString transfersFolder;      // the last transfers (TransferHistory)
    QStringList windowLog;        // the window's log as it is now (empty: none)
    QByteArray lastTrace;         // the window's last trace (empty: none)
    QStringList userFiles;        // files the user works on: names and sizes only
    qint64 limitBytes = 32ll << 20;
};

// The entries of the bundle before they are zipped: name and content.
struct BundleEntry {
    QString name;
    QByteArray data;
};

// The bundle's entries, newest transfers first, as many as the bound lets
// in (the oldest are left out, and contents.txt says so):
//   contents.txt   what is in it and what was left out
//   version.txt    the program's version and build, Qt's version, the build
//   system.txt     the operating system
//   ports.json     every serial port with what the system says about it
//   doctor.txt, doctor.json   the connection check without the STB's steps
//   settings.txt   the program's settings
//   files.txt      the names and sizes of the user's files
//   window-log.txt, window-trace.txt   the window's log and last trace
//   transfers/<when-what>/receipt.txt, log.txt, trace.txt
QList<BundleEntry> supportBundleEntries(const BundleInputs& inputs);

// Writes the bundle as a zip to path (replaced whole, or left as it was).
Status writeSupportBundle(const QString& path, const BundleInputs& inputs);

}  // namespace dorvane
