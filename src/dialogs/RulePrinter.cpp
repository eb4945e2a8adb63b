#include "dialogs/RulePrinter.h"

#include "dialogs/MarkImages.h"
#include "dialogs/RuleWords.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace RulePrinter {

QString title(RuleListKind kind) {
    switch (kind) {
    case RuleListKind::Subject:
        return QCoreApplication::translate("RulePrinter", "Quillmere - Subject Line Settings");
    case RuleListKind::Header:
        return QCoreApplication::translate("RulePrinter", "Quillmere - Email Header Settings");
    case RuleListKind::Sender:
        return QCoreApplication::translate("RulePrinter", "Quillmere - Sender Settings");
    case RuleListKind::Exception:
        return QCoreApplication::translate("RulePrinter", "Quillmere - List of Exceptions ");
    }
    return {};
}

int print(const RuleList& list, QPrinter& printer, const QDateTime& when) {
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&printer)) return 0;

    const QRect page = p.viewport().isEmpty() ? QRect(0, 0, 600, 800) : p.viewport();
    QFont font = p.font();
    font.setPointSizeF(9);
    p.setFont(font);
    const QFontMetrics fm(font, &printer);
    const int line = fm.height() * 3 / 2;
    const int pad = fm.averageCharWidth();
    const int icon = fm.height();

    // The columns shown, their widths scaled to fit the page.
    const int shown = list.visibleColumnCount();
    QList<int> widths;
    int total = 0;
    for (int c = 0; c < shown; ++c) {
        int w = std::max(list.columnWidth(c), 10);
        for (int r = 0; r < list.rowCount(); ++r)
            w = std::max(w, fm.horizontalAdvance(RuleWords::shown(list, c, r)) * 96 /
                                printer.resolution());
        widths << w;
        total += w;
    }
    const double scale = double(page.width()) * 0.9 / std::max(total, 1);
    int tableWidth = 0;
    for (int& w : widths) {
        w = std::max(int(w * scale), icon + 2 * pad);
        tableWidth += w;
    }
    const int left = page.left() + std::max(0, (page.width() - tableWidth) / 2);

    const QLocale locale;
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    const QString time = locale.toString(when.time(), QLocale::ShortFormat);
    const QString heading = title(list.kind());
    const bool exception = list.kind() == RuleListKind::Exception;
    const int imageColumn = exception ? RuleList::PictureColumn : 0;

    int pageNo = 0;
    int row = 0;
    while (row < list.rowCount()) {
        if (pageNo > 0) printer.newPage();
        ++pageNo;
        // Page furniture.
        const QRect top(page.left(), page.top(), page.width(), line);
        p.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, date);
        p.drawText(top, Qt::AlignRight | Qt::AlignVCenter, time);
        QFont bold = font;
        bold.setBold(true);
        bold.setPointSizeF(11);
        p.setFont(bold);
        p.drawText(top, Qt::AlignHCenter | Qt::AlignVCenter, heading);
        p.setFont(font);
        const QRect bottom(page.left(), page.bottom() - line, page.width(), line);
        p.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter,
                   QCoreApplication::translate("RulePrinter", "Page %1").arg(pageNo));

        int y = top.bottom() + line;
        const int last = bottom.top() - line / 2;
        // The headings on every page, then as many rules as fit.
        auto drawRow = [&](int r) {
            int x = left;
            const bool headingRow = r == 0;
            QFont f = font;
            f.setBold(headingRow);
            p.setFont(f);
            for (int c = 0; c < shown; ++c) {
                const QRect cellRect(x, y, widths[c], line);
                if (headingRow) p.fillRect(cellRect, QColor(230, 230, 230));
                p.drawRect(cellRect);
                if (!headingRow && c == imageColumn) {
                    const QIcon pic = MarkImages::icon(list.image(r));
                    if (!pic.isNull() && !list.cell(1, r).isEmpty())
                        pic.paint(&p, cellRect.adjusted(pad, 2, -pad, -2));
                } else {
                    const int align =
                        c == list.hitsColumn() && !headingRow ? Qt::AlignRight : Qt::AlignLeft;
                    p.drawText(cellRect.adjusted(pad, 0, -pad, 0), align | Qt::AlignVCenter,
                               fm.elidedText(RuleWords::shown(list, c, r), Qt::ElideRight,
                                             widths[c] - 2 * pad));
                }
                x += widths[c];
            }
            y += line;
        };
        drawRow(0);
        if (row == 0) row = 1;
        while (row < list.rowCount() && y + line <= last)
            drawRow(row++);
        p.setFont(font);
    }
    p.end();
    return pageNo;
}

} // namespace RulePrinter
