#include "gui/editor/channel_list_print.h"

#include <algorithm>
#include <vector>

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "core/database/replace_file.h"
#include "core/editor/print_pages.h"
#include "qtcore/app/path_text.h"

namespace dorvane {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// Column widths from the widest text of each column, scaled to the page.
std::vector<int> columnWidths(const PrintPage& page, const QFontMetrics& metrics, int width) {
    std::vector<int> widths;
    for (std::size_t c = 0; c < page.columns.size(); ++c) {
        int widest = metrics.horizontalAdvance(q(page.columns[c]));
        for (const auto& row : page.rows) widest = std::max(widest, metrics.horizontalAdvance(q(row[c])));
        widths.push_back(widest + metrics.averageCharWidth() * 2);
    }
    int total = 0;
    for (int w : widths) total += w;
    if (total > 0) {
        for (int& w : widths) w = w * width / std::max(total, width);
    }
    return widths;
}

void drawRow(QPainter& painter, const std::vector<std::string>& cells, const std::vector<int>& widths, int y,
             int height) {
    int x = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const QRect cell(x, y, widths[c], height);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(q(cells[c]), Qt::ElideRight, widths[c]));
        x += widths[c];
    }
}

void drawPage(QPainter& painter, const PrintPage& page, const QRect& area, int line) {
    QFont plain = painter.font();
    QFont bold = plain;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(0, 0, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter, q(page.heading));
    painter.drawText(QRect(0, line * 2, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter, q(page.title));
    painter.setFont(plain);
    const std::vector<int> widths = columnWidths(page, painter.fontMetrics(), area.width());
    painter.setFont(bold);
    drawRow(painter, page.columns, widths, line * 3, line);
    painter.setFont(plain);
    painter.drawLine(0, line * 4, area.width(), line * 4);
    int y = line * 4;
    for (const auto& row : page.rows) {
        drawRow(painter, row, widths, y, line);
        y += line;
    }
    painter.drawText(QRect(0, area.height() - line, area.width(), line), Qt::AlignRight | Qt::AlignVCenter,
                     q(page.footer));
}

}  // namespace

int printChannelList(QPagedPaintDevice& device, const ReceiverDatabase& db, const QString& fileName,
                     const QDate& date) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    QFont font;
    font.setPointSizeF(8.5);
    painter.setFont(font);
    const QRect area = painter.viewport();
    const int line = painter.fontMetrics().lineSpacing() * 5 / 4;
    // Heading, gap, title, column heads above; the page line below.
    const int rowsPerPage = std::max(1, area.height() / line - 6);
    const std::string heading = printHeading(db, fileName.toStdString(), date.toString(Qt::ISODate).toStdString());
    const std::vector<PrintPage> pages = paginate(printTables(db), heading, rowsPerPage);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        drawPage(painter, pages[i], area, line);
    }
    painter.end();
    return static_cast<int>(pages.size());
}

Status exportChannelListPdf(const QString& path, const ReceiverDatabase& db, const QString& fileName, const QDate& date,
                            int* pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int printed = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(QCoreApplication::translate("dorvane::ChannelListPrint", "Channel list of %1").arg(fileName));
        writer.setCreator(QStringLiteral("Dorvane_QX"));
        printed = printChannelList(writer, db, fileName, date);
    }
    if (pages) *pages = printed;
    if (printed == 0) return {Error::Io, "The PDF could not be drawn."};
    const QByteArray& bytes = buffer.data();
    return replaceFileAtomically(pathFromText(path), {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                      static_cast<std::size_t>(bytes.size())});
}

}  // namespace dorvane
