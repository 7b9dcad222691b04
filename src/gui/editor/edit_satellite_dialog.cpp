#include "editor/edit_satellite_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/records.h"
#include "editor/cell_texts.h"
#include "editor/integer_edit.h"

namespace dorvane {

namespace {

const QStringList kUniversalFrequencies = {"10600", "10700", "10750", "11250"};
const QStringList kSingleFrequencies = {"5150", "5750", "9750", "10600", "10750", "11250"};
constexpr int kUniversalLowFrequency = 9750;

}  // namespace

SatelliteDialogValues satelliteDialogValues(const SatelliteRecord& record) {
    SatelliteDialogValues v;
    v.name = textFromField(record.name);
    v.location = record.location;
    v.lnbPower = record.lnbPower;
    v.lnbType = record.lnbType;
    v.frequencyChoice = record.lnbFrequencyChoice;
    v.lnbHigh = record.lnbFrequency;
    v.lnbLow = record.lnbType == 0 ? kUniversalLowFrequency : record.lnbFrequency;
    v.tone = record.tone22k;
    v.diseqcType = record.diseqcType;
    v.diseqcPort = record.diseqcPort;
    v.dishPosition = record.dishPosition;
    return v;
}

void storeSatelliteDialogValues(const SatelliteDialogValues& values, SatelliteRecord& record) {
    const QByteArray name = fieldBytes(values.name);
    setFixedText(record.name, std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    record.location = static_cast<std::int16_t>(static_cast<std::uint16_t>(values.location));
    record.lnbType = static_cast<std::uint8_t>(values.lnbType);
    record.lnbFrequencyChoice = static_cast<std::uint8_t>(values.frequencyChoice);
    record.lnbFrequency = static_cast<std::uint16_t>(values.lnbHigh);
    record.lnbPower = static_cast<std::uint8_t>(values.lnbPower);
    record.tone22k = static_cast<std::uint8_t>(values.tone);
    record.diseqcType = static_cast<std::uint8_t>(values.diseqcType);
    record.diseqcPort = static_cast<std::uint8_t>(values.diseqcPort);
    record.dishPosition = static_cast<std::uint8_t>(values.dishPosition);
}

CEditSatelliteDialog::CEditSatelliteDialog(const SatelliteDialogValues& values, QWidget* parent)
    : QDialog(parent), values_(values) {
    setWindowTitle(QStringLiteral("Edit Satellite"));

    name_ = new QLineEdit(values_.name);
    name_->setMaxLength(kNameLength);
    location_ = new QLineEdit(QString::number(values_.location));
    lnbType_ = makeChoiceList({"Universal", "Single"}, values_.lnbType);
    frequency_ = new QComboBox;
    lnbLow_ = new QLineEdit;
    lnbLow_->setEnabled(false);
    lnbHigh_ = new QLineEdit;
    lnbPower_ = makeChoiceList({"On", "Off"}, values_.lnbPower);
    tone_ = makeChoiceList({"Off", "22KHz"}, values_.tone);
    diseqcType_ = makeChoiceList({"Off", "1.0(4 Switch)", "1.1(16 Switch)", "1.2(Motor)", "1.3(USALS)"}, values_.diseqcType);
    diseqcPort_ = new QComboBox;
    dishPosition_ = new QLineEdit;
    dishPosition_->setEnabled(false);

    auto* satellite = new QGroupBox(QStringLiteral("Satellite"));
    auto* satelliteForm = new QFormLayout(satellite);
    satelliteForm->addRow(QStringLiteral("Name"), name_);
    satelliteForm->addRow(QStringLiteral("Location"), location_);

    auto* lnb = new QGroupBox(QStringLiteral("LNB"));
    auto* lnbForm = new QFormLayout(lnb);
    lnbForm->addRow(QStringLiteral("LNB Type"), lnbType_);
    lnbForm->addRow(QStringLiteral("Frequency"), frequency_);
    lnbForm->addRow(QStringLiteral("LNB freq Low"), lnbLow_);
    lnbForm->addRow(QStringLiteral("LNB freq High"), lnbHigh_);
    lnbForm->addRow(QStringLiteral("LNB Power"), lnbPower_);
    lnbForm->addRow(QStringLiteral("22KHz"), tone_);

    auto* diseqc = new QGroupBox(QStringLiteral("DiSEqC"));
    auto* diseqcForm = new QFormLayout(diseqc);
    diseqcForm->addRow(QStringLiteral("DiSEqC type"), diseqcType_);
    diseqcForm->addRow(QStringLiteral("DiSEqC port"), diseqcPort_);
    diseqcForm->addRow(QStringLiteral("Dish Position"), dishPosition_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditSatelliteDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEditSatelliteDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(diseqc);
    right->addStretch(1);
    right->addWidget(buttons);
    auto* left = new QVBoxLayout;
    left->addWidget(satellite);
    left->addWidget(lnb);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);

    updateDependentControls();
    // The low oscillator shows the value of the opening only.
    lnbLow_->setText(QString::number(values_.lnbLow));
    lnbHigh_->setText(QString::number(values_.lnbHigh));
    dishPosition_->setText(QString::number(values_.dishPosition));

    connect(lnbType_, &QComboBox::currentIndexChanged, this, &CEditSatelliteDialog::onLnbTypeChanged);
    connect(diseqcType_, &QComboBox::currentIndexChanged, this, &CEditSatelliteDialog::onDiseqcTypeChanged);
}

void CEditSatelliteDialog::onLnbTypeChanged(int index) {
    values_.lnbType = index;
    updateDependentControls();
}

void CEditSatelliteDialog::onDiseqcTypeChanged(int index) {
    values_.diseqcType = index;
    updateDependentControls();
}

void CEditSatelliteDialog::updateDependentControls() {
    diseqcPort_->clear();
    const int ports = values_.diseqcType == 1 ? 4 : values_.diseqcType == 2 ? 16 : 0;
    for (int port = 1; port <= ports; ++port) diseqcPort_->addItem(QString::number(port));
    diseqcPort_->setCurrentIndex(listIndexOrNone(values_.diseqcPort, diseqcPort_->count()));

    frequency_->clear();
    if (values_.lnbType == 0) {
        tone_->setEnabled(false);
        frequency_->setEnabled(true);
        lnbHigh_->setEnabled(false);
        values_.lnbLow = kUniversalLowFrequency;
        frequency_->addItems(kUniversalFrequencies);
    } else {
        tone_->setEnabled(true);
        frequency_->setEnabled(true);
        lnbHigh_->setEnabled(true);
        values_.lnbLow = values_.lnbHigh;
        frequency_->addItems(kSingleFrequencies);
    }
    frequency_->setCurrentIndex(listIndexOrNone(values_.frequencyChoice, frequency_->count()));

    diseqcPort_->setEnabled(values_.diseqcType == 1 || values_.diseqcType == 2);
    dishPosition_->setEnabled(values_.diseqcType == 4);
}

void CEditSatelliteDialog::accept() {
    SatelliteDialogValues taken = values_;
    taken.name = name_->text();
    const auto location = readIntegerEdit(this, location_);
    if (!location) return;
    taken.location = *location;
    taken.lnbType = lnbType_->currentIndex();
    taken.frequencyChoice = frequency_->currentIndex();
    const auto low = readIntegerEdit(this, lnbLow_);
    if (!low) return;
    taken.lnbLow = *low;
    const auto high = readIntegerEdit(this, lnbHigh_);
    if (!high) return;
    taken.lnbHigh = *high;
    taken.lnbPower = lnbPower_->currentIndex();
    taken.tone = tone_->currentIndex();
    taken.diseqcType = diseqcType_->currentIndex();
    taken.diseqcPort = diseqcPort_->currentIndex();
    const auto dish = readIntegerEdit(this, dishPosition_);
    if (!dish) return;
    taken.dishPosition = *dish;
    values_ = taken;
    QDialog::accept();
}

}  // namespace dorvane
