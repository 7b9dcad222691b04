#pragma once

#include <array>
#include <optional>

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;

namespace dorvane {

class Prompts;
class ReceiverDatabase;

// "Edit Channel": name, satellite, transponder, service id and the video,
// audio, PCR and teletext PIDs of one channel. The transponder list always shows the transponders of
// the satellite chosen above it, so a channel never ends up on a transponder
// of another satellite. "OK" writes the record directly.
class CEditChannelDialog : public QDialog {
    Q_OBJECT
public:
    // Characters a name holds (its 19-byte field ends with a NUL).
    static constexpr int kNameLength = 18;

    // Says what it refuses, and asks, through `prompts`.
    CEditChannelDialog(ReceiverDatabase& database, int channel, Prompts& prompts, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return name_; }
    QComboBox* satelliteList() const { return satellite_; }
    QComboBox* transponderList() const { return transponder_; }
    QLineEdit* videoPidEdit() const { return videoPid_; }
    QLineEdit* audioPidEdit() const { return audioPid_; }
    QLineEdit* pcrPidEdit() const { return pcrPid_; }
    QLineEdit* teletextPidEdit() const { return teletextPid_; }
    QLineEdit* serviceIdEdit() const { return serviceId_; }

public slots:
    void accept() override;

private:
    // The PIDs and the service id (video, audio, PCR, teletext, service),
    // or nothing after saying what is wrong.
    std::optional<std::array<int, 5>> takeNumbers();
    // True unless a changed name does not fit its field (said).
    bool nameAccepted();
    int chosenTransponder() const;
    void fillTransponders(int satelliteSlot, int selectedTransponder);
    void onSatelliteChosen(int index);
    // True unless the service id is another channel's on the chosen
    // transponder and the operator wants to change it.
    bool serviceIdAccepted(int service);
    // Another channel on `transponder` with `serviceId`, or -1.
    int channelSharing(int transponder, int serviceId) const;

    Prompts& prompts_;
    ReceiverDatabase& database_;
    int channel_;
    QLineEdit* name_;
    QComboBox* satellite_;
    QComboBox* transponder_;
    QLineEdit* videoPid_;
    QLineEdit* audioPid_;
    QLineEdit* pcrPid_;
    QLineEdit* teletextPid_;
    QLineEdit* serviceId_;
    QString loadedName_;
};

}  // namespace dorvane
