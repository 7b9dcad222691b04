#include "gui/app/connection_check_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qtcore/app/core_text.h"
#include "qtcore/doctor/connection_doctor.h"
#include "qtcore/doctor/doctor_shown_text.h"

namespace dorvane {

CConnectionCheckDialog::CConnectionCheckDialog(QString port, PortLender lender, QWidget* parent)
    : QDialog(parent), port_(std::move(port)), lender_(std::move(lender)) {
    setWindowTitle(tr("Check connection"));
    auto* layout = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("checkResult"));
    text_->setReadOnly(true);
    text_->setAccessibleName(tr("Steps of the check"));
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The steps' lines are at most 100 characters long.
    const QFontMetrics metrics(text_->font());
    text_->setMinimumSize(metrics.horizontalAdvance(QString(100, QLatin1Char('m'))) + 40, metrics.lineSpacing() * 24);
    layout->addWidget(text_);
    powerCycle_ = new QCheckBox(tr("&Switch the STB off and on during the check"), this);
    powerCycle_->setToolTip(tr("When the STB does not answer, wait up to 30 s for its boot loader"));
    layout->addWidget(powerCycle_);
    loopback_ = new QCheckBox(tr("A &loop-back plug is fitted instead of the STB (TX joined to RX)"), this);
    loopback_->setToolTip(tr("Send a pattern and count what comes back"));
    layout->addWidget(loopback_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    again_ = buttons->addButton(tr("Check &again"), QDialogButtonBox::ActionRole);
    connect(again_, &QPushButton::clicked, this, &CConnectionCheckDialog::startCheck);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

CConnectionCheckDialog::~CConnectionCheckDialog() { stopCheck(); }

bool CConnectionCheckDialog::checking() const { return doctor_ && doctor_->running(); }

QString CConnectionCheckDialog::resultText() const { return text_->toPlainText(); }

void CConnectionCheckDialog::startCheck() {
    stopCheck();
    text_->clear();
    again_->setEnabled(false);
    DoctorOptions options;
    options.port = port_;
    options.powerCycleWaitMs = powerCycle_->isChecked() ? kPowerCycleWaitMs : 0;
    options.loopback = loopback_->isChecked();
    //: Quoted in the check's texts: the check box that tests with a loop-back plug.
    options.loopbackHow = QStringLiteral("\"%1\"").arg(tr("A loop-back plug is fitted"));
    options.powerCycleHow = QStringLiteral("\"%1\"").arg(tr("Switch the STB off and on during the check"));
    doctor_ = std::make_unique<ConnectionDoctor>(options);
    connect(doctor_.get(), &ConnectionDoctor::stepDone, this,
            [this](const DoctorStep& step) { text_->appendPlainText(shownStepText(step).chopped(1)); });
    connect(doctor_.get(), &ConnectionDoctor::powerCycleWanted, this,
            [this](const QString& prompt) { text_->appendPlainText(QStringLiteral(">>> ") + coreText(prompt)); });
    connect(doctor_.get(), &ConnectionDoctor::finished, this, &CConnectionCheckDialog::onFinished,
            Qt::QueuedConnection);
    if (lender_) lender_(port_, true);
    lent_ = true;
    doctor_->start();
}

void CConnectionCheckDialog::onFinished() {
    if (!doctor_) return;
    text_->appendPlainText(shownVerdict(doctor_->report()));
    if (lent_ && lender_) lender_(port_, false);
    lent_ = false;
    again_->setEnabled(true);
    emit checkFinished();
}

void CConnectionCheckDialog::stopCheck() {
    if (doctor_) {
        doctor_->disconnect(this);
        doctor_->cancel();
        doctor_.reset();
    }
    if (lent_ && lender_) lender_(port_, false);
    lent_ = false;
}

void CConnectionCheckDialog::done(int result) {
    stopCheck();
    QDialog::done(result);
}

}  // namespace dorvane
