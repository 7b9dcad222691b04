#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace dorvane {

class ReceiverDatabase;

// Texts of the editor's list cells and choice lists. Names are stored as
// 8-bit text and shown as Latin-1, so every byte survives a round trip.
QString textFromField(const char* field, std::size_t size);
template <std::size_t N>
QString textFromField(const char (&field)[N]) {
    return textFromField(field, N);
}
QByteArray fieldBytes(const QString& text);

QString counterText(int value);  // "%5d"

// An orbital position in tenths of a degree as the editor shows it:
// "19.2°E" up to 1800, "30.0°W" above (3600 - value); a value outside
// 0..3600 as its plain number.
QString shownLocation(int tenths);
// The degrees and the side shown for a stored location (East for 0..1800
// and for values outside 0..3600).
struct LocationParts {
    QString degrees;  // "19.2"
    bool west = false;
};
LocationParts locationParts(int tenths);
// Degrees (0.0 to 180.0, at most one decimal) and a side back to tenths of
// a degree: East as they are, West as 3600 - tenths (0.0 either way is 0).
// Nothing when the text is not such a number.
std::optional<int> locationFromParts(const QString& degrees, bool west);
QStringList fecTexts();  // the 13 entries of the FEC table

// Cells of the satellite list: "Satellite", "Location", "Sat_id", "TPs", "CHs".
QString satelliteCell(const ReceiverDatabase& db, int slot, int column);
// Cells of the transponder list: "Freq." ... "CHs".
QString transponderCell(const ReceiverDatabase& db, int number, int column);
// Cells of the channel list: "Channel" ... "Ch_id".
QString channelCell(const ReceiverDatabase& db, int number, int column);

// "Satellite" entry of the Edit Channel and Edit TP dialogs: the name and
// the location, "Name (19.2°E)".
QString satelliteChoiceText(const ReceiverDatabase& db, int slot);
// "Transponder" entry of the Edit Channel dialog: "TP(%d) %d%c".
QString transponderChoiceText(const ReceiverDatabase& db, int number);

}  // namespace dorvane
