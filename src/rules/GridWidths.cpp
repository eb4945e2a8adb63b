#include "rules/GridWidths.h"

#include "settings/SettingsStore.h"

namespace {
constexpr int StoredColumns = 6;

QString ident(int col) {
    return QStringLiteral("col%1").arg(col);
}
} // namespace

namespace GridWidths {

QString section(RuleListKind kind) {
    switch (kind) {
    case RuleListKind::Subject:
        return QStringLiteral("Subject");
    case RuleListKind::Header:
        return QStringLiteral("Headers");
    case RuleListKind::Sender:
        return QStringLiteral("Sender");
    case RuleListKind::Exception:
        return QStringLiteral("Exceptions");
    }
    return {};
}

QList<int> read(RuleListKind kind) {
    const SettingsStore tree = SettingsStore::tree();
    QList<int> widths;
    for (int c = 0; c < StoredColumns; ++c)
        widths << tree.ReadInteger(section(kind), ident(c), -1);
    return widths;
}

void apply(RuleList& list) {
    const QList<int> widths = read(list.kind());
    for (int c = 0; c < widths.size(); ++c)
        if (widths[c] != -1) list.setColumnWidth(c, widths[c]);
}

void write(RuleListKind kind, const QList<int>& widths) {
    SettingsStore tree = SettingsStore::tree();
    for (int c = 0; c < StoredColumns && c < widths.size(); ++c)
        tree.WriteInteger(section(kind), ident(c), widths[c]);
}

} // namespace GridWidths
