#pragma once

#include <QObject>

class QAction;
class QMenu;
class QString;

namespace dorvane {

struct ListColumn;

class CReceiverDataDialog;
class Prompts;

// The editor window's actions on the order of the whole channel table:
// "Move to number...", "Swap", the sorts kept as the order and "Apply order
// from...". Each is a key of the window and an entry of the channel list's
// context menu; each forwards to the window's session and draws the change.
class ChannelOrderActions : public QObject {
    Q_OBJECT
public:
    // Asks through `prompts` (the window's).
    ChannelOrderActions(CReceiverDataDialog& dialog, Prompts& prompts);

    // The entries, enabled as the session allows, for the context menu of
    // list 1..3 (only the channel list has them).
    void addTo(QMenu* menu, int list);

    QAction* moveToNumberAction() const { return moveToNumber_; }
    QAction* swapAction() const { return swap_; }
    QAction* applyOrderAction() const { return applyOrder_; }

    // The channel list's "New No." column: empty cells; a number typed into
    // one moves that channel (or, when it is among the chosen ones, all of
    // them) to that number, as "Move to number..." does.
    ListColumn newNumberColumn();

public slots:
    // Asks for the number (the first chosen channel's, to start with).
    void moveToNumber();
    void swap();
    // 0 by name, 1 by satellite and frequency, 2 by service id.
    void sortAndKeep(int key);
    // Asks for a channel-data file or a text list, shows the preview and
    // applies it when the operator agrees.
    void applyOrderFrom();

private:
    bool typedNumber(int channel, const QString& text);
    void chooseFromList();
    bool refused(int wanted);

    CReceiverDataDialog& dialog_;
    Prompts& prompts_;
    QAction* moveToNumber_ = nullptr;
    QAction* swap_ = nullptr;
    QAction* applyOrder_ = nullptr;
};

}  // namespace dorvane
