#pragma once

#include <optional>

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;

namespace dorvane {

class Prompts;
struct SatelliteRecord;

// The values the "Edit Satellite" dialog exchanges with its controls. List
// choices are selection indexes (-1: nothing selected). The location is in
// tenths of a degree as stored; the dialog shows it as degrees East or West.
struct SatelliteDialogValues {
    QString name;
    int location = 0;
    int lnbType = -1;
    int frequencyChoice = -1;
    int lnbLow = 0;
    int lnbHigh = 0;
    int lnbPower = -1;
    int tone = -1;
    int diseqcType = -1;
    int diseqcPort = -1;
    int dishPosition = 0;
};

// The values shown for a satellite record: the "Frequency" entry is the one
// that names the stored LNB frequency (none when the list has no such
// entry), whatever position byte the record holds.
SatelliteDialogValues satelliteDialogValues(const SatelliteRecord& record);
// Writes back on "OK" only what differs from what the record shows, so a
// field the operator did not change keeps its byte (a name tail, a port of
// a DiSEqC switch that is off, a position byte that names no entry). A list
// without a selection writes nothing. Numbers keep their low 16 bits
// (location, LNB frequency) or 8 bits (the rest); a changed name is cut to
// what its field holds.
void storeSatelliteDialogValues(const SatelliteDialogValues& values, SatelliteRecord& record);

// The "Frequency" entries for an LNB type (0 "Universal", else "Single").
const QStringList& lnbFrequencyEntries(int lnbType);

// "Edit Satellite": name, location, LNB and DiSEqC settings of one satellite.
class CEditSatelliteDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNameLength = 15;

    // Says what it refuses through `prompts`.
    CEditSatelliteDialog(const SatelliteDialogValues& values, Prompts& prompts, QWidget* parent = nullptr);

    // The values taken from the controls by "OK".
    const SatelliteDialogValues& values() const { return values_; }

    QLineEdit* nameEdit() const { return name_; }
    // The location in degrees ("19.2") and its side ("East", "West").
    QLineEdit* locationEdit() const { return location_; }
    QComboBox* sideList() const { return side_; }
    QComboBox* lnbTypeList() const { return lnbType_; }
    QComboBox* frequencyList() const { return frequency_; }
    QLineEdit* lnbLowEdit() const { return lnbLow_; }
    QLineEdit* lnbHighEdit() const { return lnbHigh_; }
    QComboBox* lnbPowerList() const { return lnbPower_; }
    QComboBox* toneList() const { return tone_; }
    QComboBox* diseqcTypeList() const { return diseqcType_; }
    QComboBox* diseqcPortList() const { return diseqcPort_; }
    QLineEdit* dishPositionEdit() const { return dishPosition_; }

public slots:
    void accept() override;

private:
    void buildControls();
    void updateDependentControls();
    void selectShownFrequency();
    void onLnbTypeChanged(int index);
    void onFrequencyChosen(int index);
    void onLnbHighEdited(const QString& text);
    void onDiseqcTypeChanged(int index);
    // The values of the controls, or nothing when a field holds text that
    // is not a number (said to the operator, the field focused).
    std::optional<SatelliteDialogValues> takeValues();
    bool takeLocation(SatelliteDialogValues& taken);

    Prompts& prompts_;
    SatelliteDialogValues values_;
    QLineEdit* name_;
    QLineEdit* location_;
    QComboBox* side_;
    QComboBox* lnbType_;
    QComboBox* frequency_;
    QLineEdit* lnbLow_;
    QLineEdit* lnbHigh_;
    QComboBox* lnbPower_;
    QComboBox* tone_;
    QComboBox* diseqcType_;
    QComboBox* diseqcPort_;
    QLineEdit* dishPosition_;
};

}  // namespace dorvane
