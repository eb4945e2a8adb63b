#include "activity/Tally.h"

#include <QHash>
#include <algorithm>

QList<TallyEntry> TopTen(QStringList values) {
    // Counting by hash gives the same runs as sorting the values and counting
    // them, without sorting every value.
    QHash<QString, qsizetype> counts;
    for (const QString& v : values)
        ++counts[v];

    QStringList entries;
    entries.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        entries.append(QString::number(it.value()).rightJustified(4, u'0') + u'\t' + it.key());
    std::sort(entries.begin(), entries.end());

    QList<TallyEntry> top;
    for (qsizetype i = entries.size() - 1; i >= 0 && top.size() < 10; --i) {
        const QString& e = entries[i];
        const qsizetype tab = e.indexOf(u'\t');
        top.append(TallyEntry{e.mid(tab + 1), e.left(tab).toInt()});
    }
    return top;
}
