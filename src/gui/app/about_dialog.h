#pragma once

#include <QDialog>

class QLabel;

namespace dorvane {

// "About Dorvane_QX": the program icon, its name and the version line
// "v%s (build #%s)".
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);

    QString versionLine() const;

private:
    QLabel* version_ = nullptr;
};

}  // namespace dorvane
