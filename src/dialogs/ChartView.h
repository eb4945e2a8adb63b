#pragma once

#include <QChartView>
#include <QPoint>

class QGraphicsSimpleTextItem;
class QPrinter;
class QRubberBand;

// A chart view zoomed and moved by mouse: left drag from upper left to lower
// right zooms into the dragged rectangle, left drag from lower right to upper
// left resets the zoom, right drag moves the chart.
class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(QChart* chart, QWidget* parent = nullptr);

    // Shows text in the middle of the plot (in place of data it has none of);
    // empty text shows nothing. It is part of the picture, printed and saved with it.
    void setNoDataText(const QString& text);
    QString noDataText() const;

    // Draws the chart to fill the printer's page, keeping its proportions.
    void printTo(QPrinter* printer);
    // Saves the chart as a PNG or an SVG picture (by the file's extension),
    // replacing the file whole. Returns false when it cannot be written.
    bool savePicture(const QString& path);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeNoDataText();

    enum class Drag { None, Zoom, Pan };
    Drag m_drag = Drag::None;
    QPoint m_origin, m_last;
    QRubberBand* m_band = nullptr;
    QGraphicsSimpleTextItem* m_noData = nullptr;
};
