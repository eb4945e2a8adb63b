#include "dialogs/ChartView.h"

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QRubberBand>
#include <QSaveFile>
#include <QSvgGenerator>

ChartView::ChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);
    setMouseTracking(true); // hover tool tips
    m_band = new QRubberBand(QRubberBand::Rectangle, this);
}

void ChartView::setNoDataText(const QString& text) {
    if (!m_noData) {
        if (text.isEmpty()) return;
        m_noData = new QGraphicsSimpleTextItem;
        QFont font = this->font();
        font.setPointSizeF(font.pointSizeF() * 1.3);
        m_noData->setFont(font);
        m_noData->setBrush(palette().color(QPalette::PlaceholderText));
        m_noData->setZValue(100); // above the grid and the series
        scene()->addItem(m_noData);
        connect(chart(), &QChart::plotAreaChanged, this, &ChartView::placeNoDataText);
    }
    m_noData->setText(text);
    m_noData->setVisible(!text.isEmpty());
    placeNoDataText();
}

QString ChartView::noDataText() const {
    return m_noData && m_noData->isVisible() ? m_noData->text() : QString();
}

void ChartView::placeNoDataText() {
    if (!m_noData) return;
    const QRectF plot = chart()->plotArea();
    const QRectF text = m_noData->boundingRect();
    m_noData->setPos(plot.center() - text.center());
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    m_origin = m_last = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_drag = Drag::Zoom;
        m_band->setGeometry(QRect(m_origin, QSize()));
        m_band->show();
    } else if (event->button() == Qt::RightButton) {
        m_drag = Drag::Pan;
        setCursor(Qt::ClosedHandCursor);
    } else {
        QChartView::mousePressEvent(event);
        return;
    }
    event->accept();
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (m_drag == Drag::Zoom) {
        m_band->setGeometry(QRect(m_origin, at).normalized());
    } else if (m_drag == Drag::Pan) {
        const QPoint d = at - m_last;
        chart()->scroll(-d.x(), d.y());
    } else {
        QChartView::mouseMoveEvent(event);
        return;
    }
    m_last = at;
    event->accept();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (m_drag == Drag::Zoom && event->button() == Qt::LeftButton) {
        m_band->hide();
        const QPoint d = at - m_origin;
        if (d.x() > 2 && d.y() > 2) {
            // Down and to the right: zoom into the part of the plot dragged over.
            const QRectF dragged = QRectF(mapToScene(m_origin), mapToScene(at)).normalized();
            const QRectF area = dragged.intersected(chart()->plotArea());
            if (!area.isEmpty()) chart()->zoomIn(area);
        } else if (d.x() < -2 && d.y() < -2) {
            // Up and to the left: back to the whole chart.
            chart()->zoomReset();
        }
    } else if (m_drag == Drag::Pan && event->button() == Qt::RightButton) {
        unsetCursor();
    } else {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    m_drag = Drag::None;
    event->accept();
}

void ChartView::printTo(QPrinter* printer) {
    QPainter painter(printer);
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    QSizeF size = this->size();
    size.scale(page.width(), page.height(), Qt::KeepAspectRatio);
    render(&painter, QRectF(QPointF(0, 0), size));
}

bool ChartView::savePicture(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size());
        svg.setViewBox(rect());
        svg.setTitle(chart()->title());
        QPainter painter(&svg);
        render(&painter);
        painter.end();
    } else if (!grab().toImage().save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
