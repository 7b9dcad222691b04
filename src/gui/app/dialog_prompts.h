#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "gui/ui/prompts.h"

namespace dorvane {

// The real dialogs: message boxes titled "Dorvane_QX", Qt's file choosers,
// the port dialog and the About box.
class DialogPrompts : public Prompts {
public:
    // Who holds a port the Configure dialog's connection check opens (the
    // window's own port): told before the check opens it and after.
    using PortLender = std::function<void(const QString& port, bool lend)>;
    void setPortLender(PortLender lender) { lender_ = std::move(lender); }

    void message(QWidget* parent, const QString& text, PromptIcon icon) override;
    bool question(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) override;
    int choose(QWidget* parent, const QString& text, const QStringList& buttons) override;
    int run(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
    std::optional<QString> choosePort(QWidget* parent, const QString& currentPort) override;
    void about(QWidget* parent) override;

private:
    PortLender lender_;
};

}  // namespace dorvane
