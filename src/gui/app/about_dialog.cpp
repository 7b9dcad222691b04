#include "gui/app/about_dialog.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/app/version.h"
#include "gui/app/dialog_units.h"
#include "qtcore/app/core_text.h"

namespace dorvane {

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Dorvane_QX"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/art/icon_256.png")).pixmap(32, 32));
    icon->setGeometry(dialogUnits(11, 17, 21, 20));

    auto* name = new QLabel(QStringLiteral("Dorvane_QX"), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    name->setGeometry(dialogUnits(40, 10, 40, 8).adjusted(0, -2, 0, 2));
    name->adjustSize();

    version_ = new QLabel(tr("Version v1.0"), this);
    version_->setObjectName(QStringLiteral("control1015"));
    // After the name, however wide the font makes it.
    const QRect versionPlace = dialogUnits(81, 10, 83, 8).adjusted(0, -2, 0, 2);
    version_->setGeometry(versionPlace.translated(std::max(0, name->geometry().right() + 6 - versionPlace.left()), 0));
    version_->setText(coreText(aboutVersionLine()));
    version_->resize(version_->size().expandedTo(version_->sizeHint()));

    auto* blurb = new QLabel(tr("Service tool for digital satellite receivers:\n"
                                "firmware download and channel data backup."),
                             this);
    blurb->setGeometry(dialogUnits(40, 25, 178, 17).adjusted(0, -1, 20, 4));
    // However wide the desktop's font sets it.
    blurb->resize(std::max(blurb->width(), blurb->sizeHint().width()),
                  std::max(blurb->height(), blurb->sizeHint().height()));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(dialogUnits(178, 7, 50, 14));
    ok->resize(ok->size().expandedTo(ok->sizeHint()));

    // The box grows with its texts; the template's size is the least.
    const QRect least = dialogUnits(235, 55);
    const int margin = dialogUnitsX(7);
    const int width = std::max({least.width(), blurb->geometry().right() + 1 + margin,
                                version_->geometry().right() + 1 + margin + ok->width() + margin});
    const int height = std::max(least.height(), blurb->geometry().bottom() + 1 + dialogUnitsY(6));
    ok->move(width - margin - ok->width(), ok->y());
    setFixedSize(width, height);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString CAboutDialog::versionLine() const { return version_->text(); }

}  // namespace dorvane
