#include "dialogs/TablePrinter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

int printTable(QPrinter* printer, const QString& title, const QStringList& columns,
               const QList<QStringList>& rows, int rightColumn, const QDateTime& at) {
    QPainter p(printer);
    if (!p.isActive()) return 0;
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    const QRectF area(0, 0, page.width(), page.height());

    QFont body = p.font();
    body.setPointSizeF(9);
    QFont bold = body;
    bold.setBold(true);
    QFont heading = bold;
    heading.setPointSizeF(13);
    p.setFont(body);
    const QFontMetricsF fm(body, printer);
    const qreal line = fm.height() * 1.25;
    const qreal gap = fm.horizontalAdvance(QStringLiteral("MM"));

    // Column widths from the widest text (the first thousand rows are enough to
    // see it), shrunk together when they do not fit the page.
    QList<qreal> widths;
    for (int c = 0; c < columns.size(); ++c) {
        qreal w = QFontMetricsF(bold, printer).horizontalAdvance(columns[c]);
        for (qsizetype r = 0; r < rows.size() && r < 1000; ++r)
            w = qMax(w, fm.horizontalAdvance(rows[r].value(c)));
        widths << w + gap;
    }
    qreal total = 0;
    for (qreal w : widths)
        total += w;
    if (total > area.width()) {
        for (qreal& w : widths)
            w *= area.width() / total;
    }

    const QLocale locale;
    const QString date = locale.toString(at.date(), QLocale::ShortFormat);
    const QString time = locale.toString(at.time(), QLocale::ShortFormat);
    const qreal headHeight = QFontMetricsF(heading, printer).height() * 1.6;
    const qreal top = headHeight + line * 1.5;
    const qreal bottom = area.height() - line * 1.5;
    const int perPage = qMax(1, int((bottom - top) / line));
    const qsizetype count = qMax<qsizetype>(1, rows.size());
    const int pages = int((count + perPage - 1) / perPage);

    const auto drawRow = [&](const QStringList& cells, qreal y) {
        qreal x = 0;
        for (int c = 0; c < widths.size(); ++c) {
            const QRectF cell(x, y, widths[c] - gap / 2, line);
            const int align =
                (c == rightColumn ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            p.drawText(cell, align, fm.elidedText(cells.value(c), Qt::ElideRight, cell.width()));
            x += widths[c];
        }
    };

    for (int page = 1; page <= pages; ++page) {
        if (page > 1) printer->newPage();
        p.setFont(body);
        p.drawText(QRectF(0, 0, area.width(), headHeight), Qt::AlignLeft | Qt::AlignVCenter, date);
        p.drawText(QRectF(0, 0, area.width(), headHeight), Qt::AlignRight | Qt::AlignVCenter, time);
        p.setFont(heading);
        p.drawText(QRectF(0, 0, area.width(), headHeight), Qt::AlignCenter, title);
        p.setFont(bold);
        drawRow(columns, headHeight);
        p.setFont(body);
        const qsizetype first = qsizetype(page - 1) * perPage;
        for (qsizetype r = first; r < rows.size() && r < first + perPage; ++r)
            drawRow(rows[r], top + (r - first) * line);
        p.drawText(QRectF(0, bottom, area.width(), line * 1.5), Qt::AlignRight | Qt::AlignBottom,
                   QCoreApplication::translate("TablePrinter", "Page %1").arg(page));
    }
    return pages;
}
