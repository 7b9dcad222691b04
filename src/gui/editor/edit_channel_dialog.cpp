#include "gui/editor/edit_channel_dialog.h"

#include <algorithm>
#include <array>
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

#include "core/database/receiver_database.h"
#include "gui/editor/cell_texts.h"
#include "gui/editor/integer_edit.h"
#include "gui/ui/prompts.h"
#include "qtcore/exchange/field_bytes.h"

namespace dorvane {

CEditChannelDialog::CEditChannelDialog(ReceiverDatabase& database, int channel, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), database_(database), channel_(channel) {
    setWindowTitle(tr("Edit Channel"));
    const ChannelRecord& record = database_.channel(channel_);

    // The name as the file holds it, all of it; a longer one is refused on
    // "OK" in the words the imports use.
    name_ = new QLineEdit(textFromField(record.name));
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
    nameForm->addRow(tr("Name"), name_);
    nameForm->addRow(tr("Satellite"), satellite_);
    nameForm->addRow(tr("Transponder"), transponder_);
    nameForm->addRow(tr("Service ID"), serviceId_);
    auto* pidGroup = new QGroupBox;
    auto* pidForm = new QFormLayout(pidGroup);
    pidForm->addRow(tr("Video PID"), videoPid_);
    pidForm->addRow(tr("Audio PID"), audioPid_);
    pidForm->addRow(tr("PCR PID"), pcrPid_);
    pidForm->addRow(tr("Teletext PID"), teletextPid_);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("CANCEL"), QDialogButtonBox::RejectRole);
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

bool CEditChannelDialog::nameAccepted() {
    if (name_->text() == loadedName_) return true;
    const auto problem = nameProblem(name_->text(), sizeof(ChannelRecord::name));
    if (!problem) return true;
    QString text = *problem + QLatin1Char('.');
    text[0] = text[0].toUpper();
    prompts_.message(this, text, PromptIcon::Exclamation);
    name_->setFocus(Qt::OtherFocusReason);
    return false;
}

std::optional<std::array<int, 5>> CEditChannelDialog::takeNumbers() {
    std::array<int, 5> numbers{};
    const std::array<std::pair<QLineEdit*, const char*>, 5> fields{{{videoPid_, QT_TR_NOOP("Video PID")},
                                                                    {audioPid_, QT_TR_NOOP("Audio PID")},
                                                                    {pcrPid_, QT_TR_NOOP("PCR PID")},
                                                                    {teletextPid_, QT_TR_NOOP("Teletext PID")},
                                                                    {serviceId_, QT_TR_NOOP("Service ID")}}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = readIntegerEdit(prompts_, this, fields[i].first);
        if (!value) return std::nullopt;
        numbers[i] = *value;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (numbers[i] >= 0 && numbers[i] <= 65535) continue;
        prompts_.message(this, tr("%1 must be 0 to 65535.").arg(tr(fields[i].second)), PromptIcon::Exclamation);
        return std::nullopt;
    }
    return numbers;
}

// The transponder chosen in the list, or the channel's own when none is.
int CEditChannelDialog::chosenTransponder() const {
    const int tpIndex = transponder_->currentIndex();
    return tpIndex >= 0 ? transponder_->itemData(tpIndex).toInt() : database_.channel(channel_).transponder;
}

void CEditChannelDialog::accept() {
    const auto numbers = takeNumbers();
    if (!numbers) return;
    const auto [video, audio, pcr, teletext, service] = *numbers;
    if (!nameAccepted()) return;
    ChannelRecord& record = database_.channel(channel_);
    const int transponder = chosenTransponder();
    // Asked only when the operator gives the channel another service id or
    // transponder; a clash that was there before is not his edit.
    if ((service != record.serviceId || transponder != record.transponder) && !serviceIdAccepted(service)) return;

    // The name takes the first 18 bytes of its field, zero-filled; the 19th
    // byte is left as it is, and an unchanged name is not written at all.
    if (name_->text() != loadedName_) {
        const QByteArray name = fieldBytes(name_->text());
        std::memset(record.name, 0, kNameLength);
        std::memcpy(record.name, name.constData(),
                    static_cast<std::size_t>(std::min<qsizetype>(name.size(), kNameLength)));
    }
    // Only another listed transponder is taken, and the satellite follows
    // it; the same one leaves both bytes as they are.
    if (transponder != record.transponder) {
        record.transponder = static_cast<std::uint16_t>(transponder);
        record.satellite = static_cast<std::uint8_t>(database_.transponder(transponder).satellite - 1);
    }
    record.videoPid = static_cast<std::uint16_t>(video);
    record.audioPid = static_cast<std::uint16_t>(audio);
    record.pcrPid = static_cast<std::uint16_t>(pcr);
    record.teletextPid = static_cast<std::uint16_t>(teletext);
    record.serviceId = static_cast<std::uint16_t>(service);
    QDialog::accept();
}

bool CEditChannelDialog::serviceIdAccepted(int service) {
    // The STB and the file tell channels of one transponder apart by their
    // service id: a shared one is allowed, but said.
    const int other = channelSharing(chosenTransponder(), service);
    if (other >= 0) {
        const bool keep = prompts_.ask(
            this,
            QStringLiteral("Service ID %1 is already used on this transponder by \"%2\" (channel %3). The STB and the "
                           "file cannot tell such channels apart.")
                .arg(service)
                .arg(textFromField(database_.channel(other).name))
                .arg(other),
            tr("Keep It"), tr("Change It"));
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
