#include "gui/editor/edit_tp_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/database/integrity_check.h"
#include "core/database/receiver_database.h"
#include "gui/editor/cell_texts.h"
#include "gui/editor/integer_edit.h"
#include "gui/ui/prompts.h"

namespace dorvane {

TransponderDialogValues transponderDialogValues(const TransponderRecord& record) {
    TransponderDialogValues v;
    v.frequency = record.frequency;
    v.symbolRate = record.symbolRate;
    // Each byte as the list shows it: an index without an entry shows none.
    v.polarisation = record.polarisation != 0 ? 1 : 0;  // nonzero is H(L)
    v.fec = listIndexOrNone(record.fec, static_cast<int>(kFecTable.size()));
    v.transmission = listIndexOrNone(record.transmission - 1, 2);
    v.modulation = listIndexOrNone(record.modulation / 2 - 1, 2);
    return v;
}

void storeTransponderDialogValues(const TransponderDialogValues& values, TransponderRecord& record) {
    // Only what differs from what the record shows is written: a field the
    // operator did not change keeps its byte, and a list without a
    // selection writes nothing.
    const TransponderDialogValues shown = transponderDialogValues(record);
    if (values.frequency != shown.frequency) record.frequency = static_cast<std::uint16_t>(values.frequency);
    if (values.symbolRate != shown.symbolRate) record.symbolRate = static_cast<std::uint16_t>(values.symbolRate);
    auto chosen = [](int value, int before) { return value >= 0 && value != before; };
    if (chosen(values.polarisation, shown.polarisation))
        record.polarisation = static_cast<std::uint8_t>(values.polarisation);
    if (chosen(values.fec, shown.fec)) record.fec = static_cast<std::uint8_t>(values.fec);
    if (chosen(values.transmission, shown.transmission))
        record.transmission = static_cast<std::uint8_t>(values.transmission + 1);
    if (chosen(values.modulation, shown.modulation))
        record.modulation = static_cast<std::uint8_t>((values.modulation + 1) * 2);
    if (values.satellite > 0) record.satellite = static_cast<std::uint8_t>(values.satellite);
}

CEditTpDialog::CEditTpDialog(const TransponderDialogValues& values, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), values_(values) {
    setWindowTitle(tr("Edit TP"));

    frequency_ = new QLineEdit(QString::number(values_.frequency));
    polarisation_ = makeChoiceList({"V(R)", "H(L)"}, values_.polarisation);
    symbolRate_ = new QLineEdit(QString::number(values_.symbolRate));
    fec_ = makeChoiceList(fecTexts(), values_.fec);
    transmission_ = makeChoiceList({"DVB-S", "DVB-S2"}, values_.transmission);
    modulation_ = makeChoiceList({"QPSK", "8PSK"}, values_.modulation);

    auto* group = new QGroupBox;
    form_ = new QFormLayout(group);
    QFormLayout* form = form_;
    form->addRow(tr("Frequency"), frequency_);
    form->addRow(tr("Horz/Vert"), polarisation_);
    form->addRow(tr("Symbol Rate"), symbolRate_);
    form->addRow(tr("FEC"), fec_);
    form->addRow(tr("Transmission"), transmission_);
    form->addRow(tr("Modulation"), modulation_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditTpDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEditTpDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void CEditTpDialog::useDatabase(const ReceiverDatabase& database, int transponder) {
    database_ = &database;
    transponder_ = transponder;
    const int own = database.transponder(transponder).satellite;
    satellite_ = new QComboBox;
    for (int slot = 0; slot < kEditableSatellites; ++slot) {
        if (satelliteInUse(database.satellite(slot)) || slot + 1 == own)
            satellite_->addItem(satelliteChoiceText(database, slot), slot + 1);
    }
    satellite_->setCurrentIndex(satellite_->findData(own));
    form_->insertRow(0, tr("Satellite"), satellite_);
}

bool CEditTpDialog::confirmNoCollision(const TransponderDialogValues& taken) {
    if (!database_) return true;
    // Asked only when the operator moves the transponder (frequency,
    // polarisation or satellite); an existing collision is not his edit.
    if (taken.frequency == values_.frequency && taken.polarisation == values_.polarisation &&
        (taken.satellite == 0 || taken.satellite == database_->transponder(transponder_).satellite))
        return true;
    const int satellite = taken.satellite > 0 ? taken.satellite : database_->transponder(transponder_).satellite;
    for (int t = 0; t < kTransponderSlots; ++t) {
        const TransponderRecord& other = database_->transponder(t);
        if (t == transponder_ || transponderFree(other)) continue;
        if (!transpondersCollide(satellite, taken.polarisation & 0xFF, taken.frequency, other.satellite,
                                 other.polarisation, other.frequency))
            continue;
        const QString text = QStringLiteral(
                                 "Transponder %1 (%2 MHz %3) has the same satellite and polarisation and a "
                                 "frequency within 1 MHz of this one; the STB may not tell them apart.")
                                 .arg(t)
                                 .arg(other.frequency)
                                 .arg(QString::fromLatin1(polarisationText(other.polarisation).data()));
        return prompts_.ask(this, text, tr("Keep"), tr("Change"));
    }
    return true;
}

void CEditTpDialog::accept() {
    TransponderDialogValues taken;
    const auto frequency = readIntegerEdit(prompts_, this, frequency_);
    if (!frequency) return;
    taken.frequency = *frequency;
    taken.polarisation = polarisation_->currentIndex();
    const auto symbolRate = readIntegerEdit(prompts_, this, symbolRate_);
    if (!symbolRate) return;
    taken.symbolRate = *symbolRate;
    taken.fec = fec_->currentIndex();
    taken.transmission = transmission_->currentIndex();
    taken.modulation = modulation_->currentIndex();
    if (satellite_ && satellite_->currentIndex() >= 0) taken.satellite = satellite_->currentData().toInt();
    // A transponder of 0 MHz is not written to the file with its channels.
    if (taken.frequency < 1 || taken.frequency > 65535) {
        prompts_.message(this, tr("Frequency must be 1 to 65535 MHz."), PromptIcon::Exclamation);
        frequency_->setFocus();
        return;
    }
    if (taken.symbolRate < 0 || taken.symbolRate > 65535) {
        prompts_.message(this, tr("Symbol Rate must be 0 to 65535."), PromptIcon::Exclamation);
        symbolRate_->setFocus();
        return;
    }
    if (!confirmNoCollision(taken)) return;
    values_ = taken;
    QDialog::accept();
}

}  // namespace dorvane
