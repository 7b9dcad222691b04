#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace dorvane {

// The modal questions the main window asks: message boxes, file dialogs,
// the port dialog and the About box. The program shows real dialogs; the
// widget tests answer them from a script.
class WindowPrompts {
public:
    virtual ~WindowPrompts() = default;

    // A box with the exclamation icon and an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The same with the information icon, for news that is good.
    virtual void information(QWidget* parent, const QString& text) { message(parent, text); }
    // Yes and No; true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // The chosen existing file, or empty when cancelled. filter in Qt's
    // "Name (*.a *.b);;Other (*c)" form.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    // The chosen target (confirmed if it exists), or empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& proposedName, const QString& filter) = 0;
    // The "Serial Port Configuration" dialog: the chosen port, or nothing
    // when cancelled.
    virtual std::optional<QString> choosePort(QWidget* parent, const QString& currentPort) = 0;
    virtual void about(QWidget* parent) = 0;
};

// The real dialogs.
class DialogPrompts : public WindowPrompts {
public:
    // Who holds a port the Configure dialog's connection check opens (the
    // window's own port): told before the check opens it and after.
    using PortLender = std::function<void(const QString& port, bool lend)>;
    void setPortLender(PortLender lender) { lender_ = std::move(lender); }

    void message(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& proposedName, const QString& filter) override;
    std::optional<QString> choosePort(QWidget* parent, const QString& currentPort) override;
    void about(QWidget* parent) override;

private:
    PortLender lender_;
};

}  // namespace dorvane
