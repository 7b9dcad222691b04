#pragma once

#include <QString>
#include <QStringList>

namespace dorvane {

class ReceiverDatabase;

// Texts of the editor's list cells and choice lists. Names are stored as
// 8-bit text and shown as Latin-1, so every byte survives a round trip.
QString textFromField(const char* field, std::size_t size);
template <std::size_t N>
QString textFromField(const char (&field)[N]) { return textFromField(field, N); }
QByteArray fieldBytes(const QString& text);

QString counterText(int value);  // "%5d"
QStringList fecTexts();          // the 13 entries of the FEC table

// Cells of the satellite list: "Satellite", "Location", "Sat_id", "TPs", "CHs".
QString satelliteCell(const ReceiverDatabase& db, int slot, int column);
// Cells of the transponder list: "Freq." ... "CHs".
QString transponderCell(const ReceiverDatabase& db, int number, int column);
// Cells of the channel list: "Channel" ... "Ch_id".
QString channelCell(const ReceiverDatabase& db, int number, int column);

// "Satellite" entry of the Edit Channel dialog: "%s (%3.1d%c)".
QString satelliteChoiceText(const ReceiverDatabase& db, int slot);
// "Transponder" entry of the Edit Channel dialog: "TP(%d) %d%c".
QString transponderChoiceText(const ReceiverDatabase& db, int number);

}  // namespace dorvane
