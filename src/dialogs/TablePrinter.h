#pragma once

#include <QDateTime>
#include <QList>
#include <QStringList>

class QPainter;
class QPrinter;

// Prints a table page by page without borders: on every page the title at the
// top centre, the date at the top left and the time at the top right, the column
// heads, and "Page" with the page number at the bottom right. The column
// rightColumn is right-aligned. Returns the number of pages printed.
int printTable(QPrinter* printer, const QString& title, const QStringList& columns,
               const QList<QStringList>& rows, int rightColumn, const QDateTime& at);
