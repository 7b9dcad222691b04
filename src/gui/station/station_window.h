#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

#include "qtcore/station/station_run.h"

namespace dorvane {

// One port of the Station view: its state, the progress of its STB, the
// last STB's result and versions, and its own Start/Stop.
class PortTile : public QFrame {
    Q_OBJECT
public:
    explicit PortTile(const QString& port, QWidget* parent = nullptr);
    void render(const PortStatus& status, bool running, const QString& lastLine);
    QPushButton* startStop() const { return startStop_; }
    QString stateText() const { return state_->text(); }
    QString resultText() const { return result_->text(); }

private:
    QLabel* name_;
    QLabel* state_;
    QProgressBar* progress_;
    QLabel* result_;
    QLabel* versions_;
    QLabel* line_;
    QPushButton* startStop_;
};

// The Station view: one tile per port, each started and stopped on its own
// or all together, the totals and the report file. What runs is a
// StationRun; the view redraws from its board four times a second, so
// that many busy ports never hold up the window.
class StationWindow : public QDialog {
    Q_OBJECT
public:
    explicit StationWindow(QWidget* parent = nullptr);
    ~StationWindow() override;

    // The file every STB gets (as "Browse..." would set it).
    void setFile(const QString& path);
    void setReport(const QString& path);
    void setRepeat(bool repeat) { repeat_->setChecked(repeat); }
    void setVerify(bool verify) { verify_->setChecked(verify); }
    // A tile for the port (as "Add" does).
    void addPort(const QString& name);
    // Every USB adapter present gets a tile.
    void addUsbPorts();
    // "Start all": false (and said in the window) when the file cannot be used.
    bool startAll();
    void stopAll();

    const StationRun* run() const { return run_.get(); }
    PortTile* tile(const QString& port) const { return tiles_.value(port); }
    QString totalsText() const { return totals_->text(); }
    QString problemText() const { return problem_->text(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildFileRows(QVBoxLayout* top);
    void buildOptionsRow(QVBoxLayout* top);
    bool ensureRun();
    void render();
    void toggle(const QString& port);
    void browseFile();
    void browseReport();
    void refillPortChoice();

    QLineEdit* file_;
    QLineEdit* report_;
    QCheckBox* csv_;
    QCheckBox* repeat_;
    QCheckBox* verify_;
    QCheckBox* forced_;
    QComboBox* portChoice_;
    QPushButton* startAll_;
    QPushButton* stopAll_;
    QLabel* totals_;
    QLabel* problem_;
    QGridLayout* grid_;
    QMap<QString, PortTile*> tiles_;
    std::unique_ptr<StationRun> run_;
    QTimer redraw_;
    bool dirty_ = false;
};

}  // namespace dorvane
