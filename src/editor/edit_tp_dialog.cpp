#include "editor/edit_tp_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/records.h"
#include "editor/cell_texts.h"
#include "editor/integer_edit.h"

namespace dorvane {

namespace {

QComboBox* makeList(const QStringList& entries, int index) {
    auto* list = new QComboBox;
    list->addItems(entries);
    list->setCurrentIndex(listIndexOrNone(index, list->count()));
    return list;
}

}  // namespace

TransponderDialogValues transponderDialogValues(const TransponderRecord& record) {
    TransponderDialogValues v;
    v.frequency = record.frequency;
    v.polarisation = record.polarisation;
    v.symbolRate = record.symbolRate;
    v.fec = record.fec;
    v.transmission = record.transmission - 1;
    v.modulation = record.modulation / 2 - 1;
    return v;
}

void storeTransponderDialogValues(const TransponderDialogValues& values, TransponderRecord& record) {
    record.frequency = static_cast<std::uint16_t>(values.frequency);
    record.polarisation = static_cast<std::uint8_t>(values.polarisation);
    record.symbolRate = static_cast<std::uint16_t>(values.symbolRate);
    record.fec = static_cast<std::uint8_t>(values.fec);
    record.transmission = static_cast<std::uint8_t>(values.transmission + 1);
    record.modulation = static_cast<std::uint8_t>((values.modulation + 1) * 2);
}

CEditTpDialog::CEditTpDialog(const TransponderDialogValues& values, QWidget* parent)
    : QDialog(parent), values_(values) {
    setWindowTitle(QStringLiteral("Edit TP"));

    frequency_ = new QLineEdit(QString::number(values_.frequency));
    polarisation_ = makeList({"V(R)", "H(L)"}, values_.polarisation);
    symbolRate_ = new QLineEdit(QString::number(values_.symbolRate));
    fec_ = makeList(fecTexts(), values_.fec);
    transmission_ = makeList({"DVB-S", "DVB-S2"}, values_.transmission);
    modulation_ = makeList({"QPSK", "8PSK"}, values_.modulation);

    auto* group = new QGroupBox;
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Frequency"), frequency_);
    form->addRow(QStringLiteral("Horz/Vert"), polarisation_);
    form->addRow(QStringLiteral("Symbol Rate"), symbolRate_);
    form->addRow(QStringLiteral("FEC"), fec_);
    form->addRow(QStringLiteral("Transmission"), transmission_);
    form->addRow(QStringLiteral("Modulation"), modulation_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditTpDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEditTpDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void CEditTpDialog::accept() {
    TransponderDialogValues taken;
    const auto frequency = readIntegerEdit(this, frequency_);
    if (!frequency) return;
    taken.frequency = *frequency;
    taken.polarisation = polarisation_->currentIndex();
    const auto symbolRate = readIntegerEdit(this, symbolRate_);
    if (!symbolRate) return;
    taken.symbolRate = *symbolRate;
    taken.fec = fec_->currentIndex();
    taken.transmission = transmission_->currentIndex();
    taken.modulation = modulation_->currentIndex();
    values_ = taken;
    QDialog::accept();
}

}  // namespace dorvane
