#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace dorvane {

// The udev rule the Debian package installs for the common USB serial
// adapters: ModemManager leaves them alone and the user at the computer may
// open them.
inline constexpr char kUdevRuleName[] = "60-dorvane-usb-serial.rules";

// One adapter the rule names by its USB ids.
struct UsbId {
    quint16 vendorId = 0;
    quint16 productId = 0;
    bool operator==(const UsbId&) const = default;
};

// The rule as built into the program (packaging/60-dorvane-usb-serial.rules).
QByteArray builtInUdevRule();

// The adapters a rule's text names: every line that matches
// ATTRS{idVendor}=="vvvv" with ATTRS{idProduct}=="pppp|pppp...".
QList<UsbId> udevRuleAdapters(const QByteArray& ruleText);

// Whether the rule names this adapter.
bool udevRuleCovers(quint16 vendorId, quint16 productId);

// The folders udev reads rules from, the one that wins a name first.
QStringList udevRuleFolders();

// Where the rule is in force: the first of folders that holds a file of its
// name, unless that one is empty or a link to /dev/null (the rule masked).
// Empty when it is not installed.
QString installedUdevRule(const QStringList& folders = udevRuleFolders());

}  // namespace dorvane
