#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace dorvane {

struct TransponderRecord;

// The values "Edit TP" exchanges with its controls (-1: no selection).
struct TransponderDialogValues {
    int frequency = 0;
    int polarisation = -1;
    int symbolRate = 0;
    int fec = -1;
    int transmission = -1;
    int modulation = -1;
};

// Loading: transmission byte - 1, modulation byte / 2 - 1, the others as
// stored. Writing back: low 16 bits of frequency and symbol rate,
// polarisation and FEC as their index's low eight bits, transmission index
// + 1, modulation (index + 1) x 2.
TransponderDialogValues transponderDialogValues(const TransponderRecord& record);
void storeTransponderDialogValues(const TransponderDialogValues& values, TransponderRecord& record);

// "Edit TP": frequency, polarisation, symbol rate, FEC, transmission and
// modulation of one transponder.
class CEditTpDialog : public QDialog {
    Q_OBJECT
public:
    explicit CEditTpDialog(const TransponderDialogValues& values, QWidget* parent = nullptr);

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
    TransponderDialogValues values_;
    QLineEdit* frequency_;
    QComboBox* polarisation_;
    QLineEdit* symbolRate_;
    QComboBox* fec_;
    QComboBox* transmission_;
    QComboBox* modulation_;
};

}  // namespace dorvane
