#include "ui/MarkIconProxy.h"

#include "ui/Icons.h"

#include <QPixmap>

MarkIconProxy::MarkIconProxy(int markRole, QObject* parent)
    : QIdentityProxyModel(parent), m_markRole(markRole), m_blank(16, 16) {
    m_blank.fill(Qt::transparent);
}

QVariant MarkIconProxy::data(const QModelIndex& index, int role) const {
    if (role == Qt::DecorationRole && index.column() == 0) {
        const QVariant mark = QIdentityProxyModel::data(index, m_markRole);
        const int state = mark.isValid() ? mark.toInt() : -1;
        // A row without a mark keeps the picture's room, so subjects line up.
        if (state < 0 || state >= Icons::MarkCount) return m_blank;
        return Icons::markPixmap(state);
    }
    return QIdentityProxyModel::data(index, role);
}
