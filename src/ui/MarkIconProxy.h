#pragma once

#include <QIdentityProxyModel>
#include <QPixmap>

// Puts each row's mark picture (from the source's mark role) in front of its
// first column, as the list's state image.
class MarkIconProxy : public QIdentityProxyModel {
    Q_OBJECT
public:
    MarkIconProxy(int markRole, QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int m_markRole;
    QPixmap m_blank;
};
