#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;

namespace dorvane {

struct SatelliteRecord;

// The values the "Edit Satellite" dialog exchanges with its controls. List
// choices are selection indexes (-1: nothing selected).
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

// The values shown for a satellite record, and the record fields written
// back on "OK" (16-bit location and LNB frequency, every other field the low
// eight bits of its value; the name cut to what its field holds).
SatelliteDialogValues satelliteDialogValues(const SatelliteRecord& record);
void storeSatelliteDialogValues(const SatelliteDialogValues& values, SatelliteRecord& record);

// "Edit Satellite": name, location, LNB and DiSEqC settings of one satellite.
class CEditSatelliteDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNameLength = 15;

    explicit CEditSatelliteDialog(const SatelliteDialogValues& values, QWidget* parent = nullptr);

    // The values taken from the controls by "OK".
    const SatelliteDialogValues& values() const { return values_; }

    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* locationEdit() const { return location_; }
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
    void updateDependentControls();
    void onLnbTypeChanged(int index);
    void onDiseqcTypeChanged(int index);

    SatelliteDialogValues values_;
    QLineEdit* name_;
    QLineEdit* location_;
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
