#include "gui/editor/cell_texts.h"

#include <cstring>

#include <QRegularExpression>

#include "core/database/receiver_database.h"

namespace dorvane {

namespace {

QString fromView(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString number5(int value) { return QString::asprintf("%5d", value); }

}  // namespace

QString textFromField(const char* field, std::size_t size) {
    const void* end = std::memchr(field, 0, size);
    const std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : size;
    return QString::fromLatin1(field, static_cast<qsizetype>(length));
}

QByteArray fieldBytes(const QString& text) { return text.toLatin1(); }

QString counterText(int value) { return number5(value); }

namespace {
constexpr int kHalfCircle = 1800;
constexpr int kFullCircle = 3600;
QString tenthsText(int tenths) {
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const int magnitude = tenths < 0 ? -tenths : tenths;
    return sign + QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
}
}  // namespace

LocationParts locationParts(int tenths) {
    if (tenths > kHalfCircle && tenths <= kFullCircle) return {tenthsText(kFullCircle - tenths), true};
    return {tenthsText(tenths), false};
}

QString shownLocation(int tenths) {
    if (tenths < 0 || tenths > kFullCircle) return QString::number(tenths);
    const LocationParts parts = locationParts(tenths);
    return parts.degrees + QStringLiteral("\u00B0") + (parts.west ? QLatin1Char('W') : QLatin1Char('E'));
}

std::optional<int> locationFromParts(const QString& degrees, bool west) {
    const QString text = degrees.trimmed();
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})(?:[.,](\\d))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const int tenths = match.captured(1).toInt() * 10 + (match.captured(2).isEmpty() ? 0 : match.captured(2).toInt());
    if (tenths > kHalfCircle) return std::nullopt;
    if (tenths == 0) return 0;
    return west ? kFullCircle - tenths : tenths;
}

QStringList fecTexts() {
    QStringList texts;
    for (const auto& entry : kFecTable) texts << fromView(entry);
    return texts;
}

QString satelliteCell(const ReceiverDatabase& db, int slot, int column) {
    const SatelliteRecord& sat = db.satellite(slot);
    switch (column) {
        case 0: return textFromField(sat.name);
        case 1: return shownLocation(sat.location);
        case 2: return number5(slot + 1);
        case 3: return number5(db.transpondersOnSatellite(slot));
        case 4: return number5(db.channelsOnSatellite(slot));
        default: return {};
    }
}

QString transponderCell(const ReceiverDatabase& db, int number, int column) {
    const TransponderRecord& tp = db.transponder(number);
    switch (column) {
        case 0: return number5(tp.frequency);
        case 1: return tp.polarisation != 0 ? QStringLiteral("H(L)") : QStringLiteral("V(R)");
        case 2: return number5(tp.symbolRate);
        case 3: return fromView(fecText(tp.fec));
        case 4: return tp.transmission == 2 ? QStringLiteral("DVB-S2") : QStringLiteral("DVB-S");
        case 5: return tp.modulation == 4 ? QStringLiteral("8PSK") : QStringLiteral("QPSK");
        case 6: return number5(tp.satellite);
        case 7: return number5(number);
        case 8: return number5(db.channelsOnTransponder(number));
        default: return {};
    }
}

QString channelCell(const ReceiverDatabase& db, int number, int column) {
    const ChannelRecord& ch = db.channel(number);
    switch (column) {
        case 0: return textFromField(ch.name);
        case 1: return number5(ch.pcrPid);
        case 2: return number5(ch.videoPid);
        case 3: return number5(ch.audioPid);
        case 4: return number5(ch.teletextPid);
        case 5: return QString::fromStdString(casText(ch.cas));
        case 6: return ch.videoType == 27 ? QStringLiteral("MPEG4") : QString();
        case 7: return (ch.flags & kFlagDolby) != 0 ? QStringLiteral("Dolby") : QString();
        case 8: return number5(ch.satellite + 1);
        case 9: return number5(ch.transponder);
        case 10: return number5(number);
        default: return {};
    }
}

QString satelliteChoiceText(const ReceiverDatabase& db, int slot) {
    const SatelliteRecord& sat = db.satellite(slot);
    return textFromField(sat.name) + QStringLiteral(" (") + shownLocation(sat.location) + QLatin1Char(')');
}

QString transponderChoiceText(const ReceiverDatabase& db, int number) {
    const TransponderRecord& tp = db.transponder(number);
    return QString::asprintf("TP(%d) %d%c", number, static_cast<int>(tp.frequency), tp.polarisation != 0 ? 'H' : 'V');
}

}  // namespace dorvane
