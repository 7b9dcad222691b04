#include "gui/editor/edit_satellite_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/database/records.h"
#include "gui/editor/cell_texts.h"
#include "gui/editor/integer_edit.h"
#include "gui/ui/prompts.h"

namespace dorvane {

namespace {

constexpr int kUniversalLowFrequency = 9750;

// The entry of a list that names the frequency, or -1.
int frequencyEntry(int lnbType, int frequency) {
    return static_cast<int>(lnbFrequencyEntries(lnbType).indexOf(QString::number(frequency)));
}

template <typename Field>
void storeByte(int value, int shown, Field& field) {
    if (value >= 0 && value != shown) field = static_cast<Field>(value);
}

}  // namespace

const QStringList& lnbFrequencyEntries(int lnbType) {
    static const QStringList universal = {"10600", "10700", "10750", "11250"};
    static const QStringList single = {"5150", "5750", "9750", "10600", "10750", "11250"};
    return lnbType == 0 ? universal : single;
}

SatelliteDialogValues satelliteDialogValues(const SatelliteRecord& record) {
    SatelliteDialogValues v;
    v.name = textFromField(record.name);
    v.location = record.location;
    v.lnbPower = record.lnbPower;
    v.lnbType = record.lnbType;
    v.frequencyChoice = frequencyEntry(record.lnbType, record.lnbFrequency);
    v.lnbHigh = record.lnbFrequency;
    v.lnbLow = record.lnbType == 0 ? kUniversalLowFrequency : record.lnbFrequency;
    v.tone = record.tone22k;
    v.diseqcType = record.diseqcType;
    v.diseqcPort = record.diseqcPort;
    v.dishPosition = record.dishPosition;
    return v;
}

void storeSatelliteDialogValues(const SatelliteDialogValues& values, SatelliteRecord& record) {
    const SatelliteDialogValues shown = satelliteDialogValues(record);
    if (values.name != shown.name) {
        const QByteArray name = fieldBytes(values.name);
        setFixedText(record.name, std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    }
    if (values.location != shown.location)
        record.location = static_cast<std::int16_t>(static_cast<std::uint16_t>(values.location));
    if (values.lnbHigh != shown.lnbHigh) record.lnbFrequency = static_cast<std::uint16_t>(values.lnbHigh);
    storeByte(values.lnbType, shown.lnbType, record.lnbType);
    storeByte(values.frequencyChoice, shown.frequencyChoice, record.lnbFrequencyChoice);
    storeByte(values.lnbPower, shown.lnbPower, record.lnbPower);
    storeByte(values.tone, shown.tone, record.tone22k);
    storeByte(values.diseqcType, shown.diseqcType, record.diseqcType);
    storeByte(values.diseqcPort, shown.diseqcPort, record.diseqcPort);
    if (values.dishPosition != shown.dishPosition) record.dishPosition = static_cast<std::uint8_t>(values.dishPosition);
}

CEditSatelliteDialog::CEditSatelliteDialog(const SatelliteDialogValues& values, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), values_(values) {
    setWindowTitle(tr("Edit Satellite"));
    buildControls();

    auto* satellite = new QGroupBox(tr("Satellite"));
    auto* satelliteForm = new QFormLayout(satellite);
    satelliteForm->addRow(tr("Name"), name_);
    auto* location = new QHBoxLayout;
    location->addWidget(location_, 1);
    location->addWidget(side_);
    satelliteForm->addRow(tr("Location"), location);

    auto* lnb = new QGroupBox(tr("LNB"));
    auto* lnbForm = new QFormLayout(lnb);
    lnbForm->addRow(tr("LNB Type"), lnbType_);
    lnbForm->addRow(tr("Frequency"), frequency_);
    lnbForm->addRow(tr("LNB freq Low"), lnbLow_);
    lnbForm->addRow(tr("LNB freq High"), lnbHigh_);
    lnbForm->addRow(tr("LNB Power"), lnbPower_);
    lnbForm->addRow(tr("22KHz"), tone_);

    auto* diseqc = new QGroupBox(tr("DiSEqC"));
    auto* diseqcForm = new QFormLayout(diseqc);
    diseqcForm->addRow(tr("DiSEqC type"), diseqcType_);
    diseqcForm->addRow(tr("DiSEqC port"), diseqcPort_);
    diseqcForm->addRow(tr("Dish Position"), dishPosition_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("CANCEL"), QDialogButtonBox::RejectRole);
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

    connect(lnbType_, &QComboBox::currentIndexChanged, this, &CEditSatelliteDialog::onLnbTypeChanged);
    connect(diseqcType_, &QComboBox::currentIndexChanged, this, &CEditSatelliteDialog::onDiseqcTypeChanged);
    // Only the operator's choice of a frequency sets "LNB freq High" (and
    // only his typing there selects an entry): activated and textEdited are
    // not sent for the dialog's own changes of the two.
    connect(frequency_, &QComboBox::activated, this, &CEditSatelliteDialog::onFrequencyChosen);
    connect(lnbHigh_, &QLineEdit::textEdited, this, &CEditSatelliteDialog::onLnbHighEdited);
}

void CEditSatelliteDialog::buildControls() {
    // A name that fills its field (no terminator) is shown whole.
    name_ = new QLineEdit(values_.name);
    name_->setMaxLength(std::max<int>(kNameLength, static_cast<int>(values_.name.size())));
    const LocationParts location = locationParts(values_.location);
    location_ = new QLineEdit(location.degrees);
    side_ = makeChoiceList({tr("East"), tr("West")}, location.west ? 1 : 0);
    lnbType_ = makeChoiceList({tr("Universal"), tr("Single")}, values_.lnbType);
    frequency_ = new QComboBox;
    lnbLow_ = new QLineEdit(QString::number(values_.lnbLow));
    lnbLow_->setEnabled(false);
    lnbHigh_ = new QLineEdit(QString::number(values_.lnbHigh));
    lnbPower_ = makeChoiceList({tr("On"), tr("Off")}, values_.lnbPower);
    tone_ = makeChoiceList({tr("Off"), QStringLiteral("22KHz")}, values_.tone);
    diseqcType_ = makeChoiceList(
        {tr("Off"), tr("1.0(4 Switch)"), tr("1.1(16 Switch)"), tr("1.2(Motor)"), tr("1.3(USALS)")}, values_.diseqcType);
    diseqcPort_ = new QComboBox;
    dishPosition_ = new QLineEdit(QString::number(values_.dishPosition));
    dishPosition_->setEnabled(false);
}

void CEditSatelliteDialog::onLnbTypeChanged(int index) {
    values_.lnbType = index;
    updateDependentControls();
}

void CEditSatelliteDialog::onDiseqcTypeChanged(int index) {
    values_.diseqcType = index;
    updateDependentControls();
}

// The chosen entry is the LNB frequency.
void CEditSatelliteDialog::onFrequencyChosen(int index) {
    if (index < 0) return;
    const QString frequency = frequency_->itemText(index);
    lnbHigh_->setText(frequency);
    if (values_.lnbType != 0) lnbLow_->setText(frequency);
}

void CEditSatelliteDialog::onLnbHighEdited(const QString& text) {
    if (values_.lnbType != 0) lnbLow_->setText(text);
    selectShownFrequency();
}

// "Frequency" shows the entry of the LNB frequency in "LNB freq High".
void CEditSatelliteDialog::selectShownFrequency() {
    bool number = false;
    const int high = lnbHigh_->text().trimmed().toInt(&number);
    frequency_->setCurrentIndex(number ? frequencyEntry(values_.lnbType, high) : -1);
}

void CEditSatelliteDialog::updateDependentControls() {
    const int selectedPort = diseqcPort_->currentIndex() >= 0 ? diseqcPort_->currentIndex() : values_.diseqcPort;
    diseqcPort_->clear();
    const int ports = values_.diseqcType == 1 ? 4 : values_.diseqcType == 2 ? 16 : 0;
    for (int port = 1; port <= ports; ++port) diseqcPort_->addItem(QString::number(port));
    diseqcPort_->setCurrentIndex(listIndexOrNone(selectedPort, diseqcPort_->count()));

    const bool universal = values_.lnbType == 0;
    tone_->setEnabled(!universal);
    frequency_->setEnabled(true);
    lnbHigh_->setEnabled(!universal);
    frequency_->clear();
    frequency_->addItems(lnbFrequencyEntries(values_.lnbType));
    lnbLow_->setText(universal ? QString::number(kUniversalLowFrequency) : lnbHigh_->text());
    selectShownFrequency();

    diseqcPort_->setEnabled(values_.diseqcType == 1 || values_.diseqcType == 2);
    dishPosition_->setEnabled(values_.diseqcType == 4);
}

bool CEditSatelliteDialog::takeLocation(SatelliteDialogValues& taken) {
    // An untouched location keeps its stored value, even one the degrees
    // cannot show.
    const LocationParts shown = locationParts(values_.location);
    if (location_->text() == shown.degrees && (side_->currentIndex() == 1) == shown.west) return true;
    const auto location = locationFromParts(location_->text(), side_->currentIndex() == 1);
    if (location) {
        taken.location = *location;
        return true;
    }
    prompts_.message(this, tr("Location must be 0.0 to 180.0 degrees East or West."), PromptIcon::Exclamation);
    location_->setFocus(Qt::OtherFocusReason);
    location_->selectAll();
    return false;
}

std::optional<SatelliteDialogValues> CEditSatelliteDialog::takeValues() {
    SatelliteDialogValues taken = values_;
    taken.name = name_->text();
    if (!takeLocation(taken)) return std::nullopt;
    taken.lnbType = lnbType_->currentIndex();
    taken.frequencyChoice = frequency_->currentIndex();
    // "LNB freq Low" is never stored and cannot be typed into: not read.
    const auto high = readIntegerEdit(prompts_, this, lnbHigh_);
    if (!high) return std::nullopt;
    taken.lnbHigh = *high;
    taken.lnbPower = lnbPower_->currentIndex();
    taken.tone = tone_->currentIndex();
    taken.diseqcType = diseqcType_->currentIndex();
    // No port list (DiSEqC off, motor, USALS): the port stays as it was.
    taken.diseqcPort = diseqcPort_->currentIndex() >= 0 ? diseqcPort_->currentIndex() : values_.diseqcPort;
    const auto dish = readIntegerEdit(prompts_, this, dishPosition_);
    if (!dish) return std::nullopt;
    taken.dishPosition = *dish;
    return taken;
}

void CEditSatelliteDialog::accept() {
    const auto taken = takeValues();
    if (!taken) return;
    values_ = *taken;
    QDialog::accept();
}

}  // namespace dorvane
