#include "activity/Tally.h"

#include <algorithm>

QList<TallyEntry> TopTen(QStringList values) {
    std::sort(values.begin(), values.end());

    QStringList entries;
    for (qsizetype i = 0; i < values.size();) {
        qsizetype j = i + 1;
        while (j < values.size() && values[j] == values[i])
            ++j;
        entries.append(QString::number(j - i).rightJustified(4, u'0') + u'\t' + values[i]);
        i = j;
    }
    std::sort(entries.begin(), entries.end());

    QList<TallyEntry> top;
    for (qsizetype i = entries.size() - 1; i >= 0 && top.size() < 10; --i) {
        const QString& e = entries[i];
        const qsizetype tab = e.indexOf(u'\t');
        top.append(TallyEntry{e.mid(tab + 1), e.left(tab).toInt()});
    }
    return top;
}
