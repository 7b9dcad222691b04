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
#include "qtcore/app/core_text.h"
#include "qtcore/app/path_text.h"

namespace dorvane {

namespace {

// A page in the language installed: its heading, title, column heads and
// the kind of each channel ("Radio") translated; names and numbers stay.
struct ShownPage {
    QString heading;
    QString title;
    QStringList columns;
    QList<QStringList> rows;
    QString footer;
};

ShownPage shownPage(const PrintPage& page) {
    ShownPage shown{coreText(page.heading), coreText(page.title), {}, {}, coreText(page.footer)};
    std::vector<bool> translated;
    for (const std::string& column : page.columns) {
        shown.columns << coreText(column);
        translated.push_back(column == "Type");
    }
    for (const auto& row : page.rows) {
        QStringList cells;
        for (std::size_t c = 0; c < row.size(); ++c)
            cells << (c < translated.size() && translated[c] ? coreText(row[c]) : QString::fromStdString(row[c]));
        shown.rows << cells;
    }
    return shown;
}

// Column widths from the widest text of each column (its head in bold),
// scaled to the page.
std::vector<int> columnWidths(const ShownPage& page, const QFontMetrics& metrics, const QFontMetrics& heads,
                              int width) {
    std::vector<int> widths;
    for (qsizetype c = 0; c < page.columns.size(); ++c) {
        int widest = heads.horizontalAdvance(page.columns[c]);
        for (const auto& row : page.rows) widest = std::max(widest, metrics.horizontalAdvance(row[c]));
        widths.push_back(widest + metrics.averageCharWidth() * 2);
    }
    int total = 0;
    for (int w : widths) total += w;
    if (total > 0) {
        for (int& w : widths) w = w * width / std::max(total, width);
    }
    return widths;
}

void drawRow(QPainter& painter, const QStringList& cells, const std::vector<int>& widths, int y, int height) {
    int x = 0;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        const int width = widths[static_cast<std::size_t>(c)];
        const QRect cell(x, y, width, height);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(cells[c], Qt::ElideRight, width));
        x += width;
    }
}

void drawPage(QPainter& painter, const ShownPage& page, const QRect& area, int line) {
    QFont plain = painter.font();
    QFont bold = plain;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(0, 0, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter, page.heading);
    painter.drawText(QRect(0, line * 2, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter, page.title);
    painter.setFont(plain);
    const std::vector<int> widths =
        columnWidths(page, painter.fontMetrics(), QFontMetrics(bold, painter.device()), area.width());
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
                     page.footer);
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
        drawPage(painter, shownPage(pages[i]), area, line);
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
