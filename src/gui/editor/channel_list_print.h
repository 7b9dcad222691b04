#pragma once

#include <QDate>
#include <QString>

#include "core/common/result.h"

class QPagedPaintDevice;

namespace dorvane {

class ReceiverDatabase;

// Draws the channel list and the favourite groups on a printer or a PDF
// writer, page by page, each page headed by the file name, the date and
// the counts and numbered "Page i of n". Returns the number of pages.
int printChannelList(QPagedPaintDevice& device, const ReceiverDatabase& db, const QString& fileName, const QDate& date);

// The same as a PDF file (A4), written whole or not at all; `pages`
// learns the page count.
Status exportChannelListPdf(const QString& path, const ReceiverDatabase& db, const QString& fileName, const QDate& date,
                            int* pages = nullptr);

}  // namespace dorvane
