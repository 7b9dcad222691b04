#include "editor/edit_channel_dialog.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/receiver_database.h"
#include "editor/cell_texts.h"
#include "editor/editor_prompts.h"
#include "editor/integer_edit.h"

namespace dorvane {

CEditChannelDialog::CEditChannelDialog(ReceiverDatabase& database, int channel, QWidget* parent)
    : QDialog(parent), database_(database), channel_(channel) {
    setWindowTitle(QStringLiteral("Edit Channel"));
    const ChannelRecord& record = database_.channel(channel_);

    name_ = new QLineEdit(textFromField(record.name));
    name_->setMaxLength(kNameLength);
    loadedName_ = name_->text();
    satellite_ = new QComboBox;
    transponder_ = new QComboBox;
    videoPid_ = new QLineEdit(QString::number(record.videoPid));
    audioPid_ = new QLineEdit(QString::number(record.audioPid));
    pcrPid_ = new QLineEdit(QString::number(record.pcrPid));
    teletextPid_ = new QLineEdit(QString::number(record.teletextPid));
    serviceId_ = new QLineEdit(QString::number(record.serviceId));

    for (int slot = 0; slot < kEditableSatellites; ++slot) {
        const SatelliteRecord& sat = database_.satellite(slot);
        if (sat.dishPosition != 0 && sat.location != 0) satellite_->addItem(satelliteChoiceText(database_, slot), slot);
    }
    satellite_->setCurrentIndex(satellite_->findData(static_cast<int>(record.satellite)));
    fillTransponders(record.satellite, record.transponder);

    auto* nameGroup = new QGroupBox;
    auto* nameForm = new QFormLayout(nameGroup);
    nameForm->addRow(QStringLiteral("Name"), name_);
    nameForm->addRow(QStringLiteral("Satellite"), satellite_);
    nameForm->addRow(QStringLiteral("Transponder"), transponder_);
    nameForm->addRow(QStringLiteral("Service ID"), serviceId_);
    auto* pidGroup = new QGroupBox;
    auto* pidForm = new QFormLayout(pidGroup);
    pidForm->addRow(QStringLiteral("Video PID"), videoPid_);
    pidForm->addRow(QStringLiteral("Audio PID"), audioPid_);
    pidForm->addRow(QStringLiteral("PCR PID"), pcrPid_);
    pidForm->addRow(QStringLiteral("Teletext PID"), teletextPid_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("CANCEL"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditChannelDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEditChannelDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(nameGroup, 2);
    groups->addWidget(pidGroup, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(buttons);

    connect(satellite_, &QComboBox::currentIndexChanged, this, &CEditChannelDialog::onSatelliteChosen);
}

void CEditChannelDialog::fillTransponders(int satelliteSlot, int selectedTransponder) {
    transponder_->clear();
    for (int t = 0; t < kTransponderSlots; ++t) {
        if (database_.transponder(t).satellite == satelliteSlot + 1) {
            transponder_->addItem(transponderChoiceText(database_, t), t);
        }
    }
    transponder_->setCurrentIndex(transponder_->findData(selectedTransponder));
}

void CEditChannelDialog::onSatelliteChosen(int index) {
    if (index < 0) return;
    const int slot = satellite_->itemData(index).toInt();
    const ChannelRecord& record = database_.channel(channel_);
    // Back on the channel's own satellite its transponder is chosen again;
    // on another one its first transponder.
    fillTransponders(slot, slot == record.satellite ? record.transponder : -1);
    if (transponder_->currentIndex() < 0 && transponder_->count() > 0) transponder_->setCurrentIndex(0);
}

void CEditChannelDialog::accept() {
    const auto video = readIntegerEdit(this, videoPid_);
    if (!video) return;
    const auto audio = readIntegerEdit(this, audioPid_);
    if (!audio) return;
    const auto pcr = readIntegerEdit(this, pcrPid_);
    if (!pcr) return;
    const auto teletext = readIntegerEdit(this, teletextPid_);
    if (!teletext) return;
    const auto service = readIntegerEdit(this, serviceId_);
    if (!service) return;

    for (const auto& [value, label] : {std::pair{*video, "Video PID"}, {*audio, "Audio PID"}, {*pcr, "PCR PID"},
                                       {*teletext, "Teletext PID"}, {*service, "Service ID"}}) {
        if (value >= 0 && value <= 65535) continue;
        editorPrompts().message(this, QStringLiteral("%1 must be 0 to 65535.").arg(QLatin1String(label)),
                                PromptIcon::Exclamation);
        return;
    }

    if (!serviceIdAccepted(*service)) return;

    ChannelRecord& record = database_.channel(channel_);
    // The name takes the first 18 bytes of its field, zero-filled; the 19th
    // byte is left as it is, and an unchanged name is not written at all.
    if (name_->text() != loadedName_) {
        const QByteArray name = fieldBytes(name_->text().left(kNameLength));
        std::memset(record.name, 0, kNameLength);
        std::memcpy(record.name, name.constData(), static_cast<std::size_t>(std::min<qsizetype>(name.size(), kNameLength)));
    }
    // Only a listed transponder is taken, and the satellite always follows
    // it; without a choice the channel stays where it was.
    const int tpIndex = transponder_->currentIndex();
    if (tpIndex >= 0) {
        const int number = transponder_->itemData(tpIndex).toInt();
        record.transponder = static_cast<std::uint16_t>(number);
        record.satellite = static_cast<std::uint8_t>(database_.transponder(number).satellite - 1);
    }
    record.videoPid = static_cast<std::uint16_t>(*video);
    record.audioPid = static_cast<std::uint16_t>(*audio);
    record.pcrPid = static_cast<std::uint16_t>(*pcr);
    record.teletextPid = static_cast<std::uint16_t>(*teletext);
    record.serviceId = static_cast<std::uint16_t>(*service);
    QDialog::accept();
}

bool CEditChannelDialog::serviceIdAccepted(int service) {
    // The STB and the file tell channels of one transponder apart by their
    // service id: a shared one is allowed, but said.
    const int tpChoice = transponder_->currentIndex();
    const int tpNumber = tpChoice >= 0 ? transponder_->itemData(tpChoice).toInt() : database_.channel(channel_).transponder;
    const int other = channelSharing(tpNumber, service);
    if (other >= 0) {
        const bool keep = editorPrompts().ask(
            this,
            QStringLiteral("Service ID %1 is already used on this transponder by \"%2\" (channel %3). The STB and the "
                           "file cannot tell such channels apart.")
                .arg(service)
                .arg(textFromField(database_.channel(other).name))
                .arg(other),
            QStringLiteral("Keep It"), QStringLiteral("Change It"));
        if (!keep) {
            serviceId_->setFocus();
            serviceId_->selectAll();
            return false;
        }
    }
    return true;

}

int CEditChannelDialog::channelSharing(int transponder, int serviceId) const {
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& c = database_.channel(n);
        if (n != channel_ && !channelFree(c) && c.transponder == transponder && c.serviceId == serviceId) return n;
    }
    return -1;
}

}  // namespace dorvane
