#include "qtcore/serial/serial_port.h"

namespace dorvane {

// What both platforms' ports share: the default open, the hand-over of a
// received chunk and the COM numbers among device names.

Status CSerialPort::openDefault() { return open(name_); }

void CSerialPort::takeChunk(const std::uint8_t* bytes, std::size_t size) {
    if (!queue_.pushChunk(std::span<const std::uint8_t>(bytes, size))) emit bufferFull();
}

QList<std::uint32_t> CSerialPort::comNumbersFromNames(const QStringList& names) {
    QList<std::uint32_t> numbers;
    for (const QString& n : names) {
        if (n.size() < 4 || n.size() > 5) continue;
        if (!n.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)) continue;
        std::uint32_t value = 0;
        for (qsizetype i = 3; i < n.size() && n[i].isDigit(); ++i)
            value = value * 10 + static_cast<std::uint32_t>(n[i].digitValue());
        numbers.append(value);
    }
    return numbers;
}

}  // namespace dorvane
