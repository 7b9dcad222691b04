#include "editor/cell_texts.h"

#include <cstring>

#include "database/receiver_database.h"

namespace dorvane {

namespace {

QString fromView(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

QString number5(int value) { return QString::asprintf("%5d", value); }

}  // namespace

QString textFromField(const char* field, std::size_t size) {
    const void* end = std::memchr(field, 0, size);
    const std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : size;
    return QString::fromLatin1(field, static_cast<qsizetype>(length));
}

QByteArray fieldBytes(const QString& text) { return text.toLatin1(); }

QString counterText(int value) { return number5(value); }

QStringList fecTexts() {
    QStringList texts;
    for (const auto& entry : kFecTable) texts << fromView(entry);
    return texts;
}

QString satelliteCell(const ReceiverDatabase& db, int slot, int column) {
    const SatelliteRecord& sat = db.satellite(slot);
    switch (column) {
        case 0: return textFromField(sat.name);
        case 1: return QString::asprintf("%4d", static_cast<int>(sat.location));
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
    const int location = sat.location;
    const bool east = location <= 1800;
    const int degrees = east ? location / 10 : (3600 - location) / 10;
    return textFromField(sat.name) + QString::asprintf(" (%3.1d%c)", degrees, east ? 'E' : 'W');
}

QString transponderChoiceText(const ReceiverDatabase& db, int number) {
    const TransponderRecord& tp = db.transponder(number);
    return QString::asprintf("TP(%d) %d%c", number, static_cast<int>(tp.frequency), tp.polarisation != 0 ? 'H' : 'V');
}

}  // namespace dorvane
