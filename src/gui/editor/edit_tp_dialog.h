#pragma once

#include <QDialog>

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace dorvane {

class Prompts;
class ReceiverDatabase;
struct TransponderRecord;

// The values "Edit TP" exchanges with its controls (-1: no selection).
struct TransponderDialogValues {
    int frequency = 0;
    int polarisation = -1;
    int symbolRate = 0;
    int fec = -1;
    int transmission = -1;
    int modulation = -1;
    // Satellite number (slot + 1); 0 when the dialog offers no choice.
    int satellite = 0;
};

// Loading: each list's entry for its byte (none when the byte names no
// entry): polarisation 0 V(R), nonzero H(L); transmission byte - 1;
// modulation byte / 2 - 1. Writing back only what differs from what the
// record shows (a field the operator did not change keeps its byte): low 16
// bits of frequency and symbol rate, polarisation and FEC as their index,
// transmission index + 1, modulation (index + 1) x 2, the satellite number
// when one was chosen.
TransponderDialogValues transponderDialogValues(const TransponderRecord& record);
void storeTransponderDialogValues(const TransponderDialogValues& values, TransponderRecord& record);

// "Edit TP": frequency, polarisation, symbol rate, FEC, transmission and
// modulation of one transponder. "OK" refuses values the file cannot hold
// (a frequency outside 1..65535 MHz, a symbol rate outside 0..65535).
class CEditTpDialog : public QDialog {
    Q_OBJECT
public:
    // Says what it refuses, and asks, through `prompts`.
    CEditTpDialog(const TransponderDialogValues& values, Prompts& prompts, QWidget* parent = nullptr);

    // Offers the satellites in use as a "Satellite" choice (so a transponder
    // can be put on a satellite that has none yet) and warns on "OK" when
    // the transponder would collide with another of the database: same
    // satellite and polarisation, frequency within 1 MHz.
    void useDatabase(const ReceiverDatabase& database, int transponder);
    QComboBox* satelliteList() const { return satellite_; }

    const TransponderDialogValues& values() const { return values_; }

    QLineEdit* frequencyEdit() const { return frequency_; }
    QComboBox* polarisationList() const { return polarisation_; }
    QLineEdit* symbolRateEdit() const { return symbolRate_; }
    QComboBox* fecList() const { return fec_; }
    QComboBox* transmissionList() const { return transmission_; }
    QComboBox* modulationList() const { return modulation_; }

public slots:
    void accept() override;

private:
    bool confirmNoCollision(const TransponderDialogValues& taken);

    Prompts& prompts_;
    TransponderDialogValues values_;
    const ReceiverDatabase* database_ = nullptr;
    int transponder_ = -1;
    QComboBox* satellite_ = nullptr;
    QFormLayout* form_ = nullptr;
    QLineEdit* frequency_;
    QComboBox* polarisation_;
    QLineEdit* symbolRate_;
    QComboBox* fec_;
    QComboBox* transmission_;
    QComboBox* modulation_;
};

}  // namespace dorvane
