#include "ui/FittedLabel.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

FittedLabel::FittedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

QFont FittedLabel::drawnFont() const {
    const int room = contentsRect().width();
    const qreal smallest = QApplication::font(this).pointSizeF();
    QFont f = font();
    for (qreal size = f.pointSizeF(); size > smallest; size -= 0.5) {
        f.setPointSizeF(size);
        if (QFontMetricsF(f).horizontalAdvance(text()) <= room) return f;
    }
    f.setPointSizeF(qMin(smallest, font().pointSizeF()));
    return f;
}

QString FittedLabel::drawnText() const {
    return QFontMetrics(drawnFont()).elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize FittedLabel::minimumSizeHint() const {
    return QSize(1, QLabel::minimumSizeHint().height());
}

void FittedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(drawnFont());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(contentsRect(), int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine,
               drawnText());
}

bool FittedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        // The whole text, where it had to be cut short.
        const QString drawn = drawnText();
        if (drawn != text())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}
