#include "dialogs/TfrmChart.h"

#include "dialogs/ChartView.h"
#include "dialogs/StatsTable.h"
#include "dialogs/TablePrinter.h"
#include "dialogs/TfrmSelectDateRange.h"
#include "mail/Exceptions.h"
#include "settings/Clock.h"
#include "settings/Prompter.h"
#include "settings/SettingsStore.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {
// Blue, green and red that read well on white and stay apart for people who
// see red and green alike (the Okabe-Ito colours).
const QColor kBlue(0x00, 0x72, 0xb2);
const QColor kGreen(0x00, 0x9e, 0x73);
const QColor kRed(0xd5, 0x5e, 0x00);
const char* const kSeriesNames[3] = {QT_TRANSLATE_NOOP("TfrmChart", "E-mail Check"),
                                     QT_TRANSLATE_NOOP("TfrmChart", "Number Found"),
                                     QT_TRANSLATE_NOOP("TfrmChart", "Number Deleted")};
const QColor kSeriesColours[3] = {kBlue, kGreen, kRed};
const int kDepthMin = 5, kDepthMax = 70;

QString settingsSection() {
    return QStringLiteral("Statistics");
}

QChart* newChart() {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

// An axis of counts: its ticks sit on whole numbers, a step of 1, 2 or 5
// times a power of ten apart, for the whole chart and when it is zoomed into.
QValueAxis* countAxis() {
    auto* axis = new QValueAxis;
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    QObject::connect(axis, &QValueAxis::rangeChanged, axis, [axis](qreal min, qreal max) {
        const auto span = qint64(std::floor(max - qMax<qreal>(0, min)));
        axis->setTickInterval(double(CountAxisFor(span, false).Step));
    });
    return axis;
}

QValueAxis* frequencyAxis(QChart* chart, Qt::Alignment side) {
    QValueAxis* axis = countAxis();
    axis->setTitleText(QCoreApplication::translate("TfrmChart", "Frequency"));
    chart->addAxis(axis, side);
    return axis;
}

// Fits a count axis to counts. Under points it starts a little below 0, so
// that the points at 0 are drawn whole.
void fitCountAxis(QValueAxis* axis, const CountAxis& counts, bool points) {
    axis->setRange(points ? -0.08 * double(counts.Step) : 0.0, double(counts.Max));
}

void showTip(const QString& text) {
    QToolTip::showText(QCursor::pos(), text);
}

// The pen of a line series: thicker as the chart gets deeper, so that the
// lines read as ribbons in front of the plot.
void setLineDepth(QLineSeries* series, int depth) {
    QPen pen = series->pen();
    pen.setWidthF(1.0 + depth / 8.0);
    series->setPen(pen);
}
} // namespace

TfrmChart::TfrmChart(ActivityRecords records, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_data(std::move(records), QLocale(), Clock::current()),
      m_prompter(prompter) {
    setObjectName(QStringLiteral("frmChart"));
    setWindowTitle(tr("Chart of Activity"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setSizeGripEnabled(true);

    lblTitle = new QLabel(tr("All Mailboxes"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont big = lblTitle->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    lblTitle->setFont(big);

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildDayOfWeek(), tr("Day of week"));
    PageControl1->addTab(buildLineChart(HourOfDayPage, hourSeries, 0), tr("Hour of day"));
    PageControl1->addTab(buildLineChart(DayByDayPage, daySeries, 1), tr("Day by day"));
    PageControl1->addTab(buildPie(), tr("% Deleted"));
    PageControl1->addTab(buildTopTen(DomainsPage, domainSeries, domainAxis),
                         tr("Top 10 Spam Domains"));
    PageControl1->addTab(buildTopTen(SpammersPage, spammerSeries, spammerAxis),
                         tr("Top 10 Spammers"));
    m_traffic = new StatsTableModel(ChartData::EmailTrafficColumns(), 4, this);
    gridTraffic = makeStatsTableView(m_traffic);
    gridTraffic->setObjectName(QStringLiteral("gridTraffic"));
    PageControl1->addTab(gridTraffic, tr("Email traffic"));
    m_spam = new StatsTableModel(ChartData::SpamDeletedColumns(), 4, this);
    gridSpam = makeStatsTableView(m_spam);
    gridSpam->setObjectName(QStringLiteral("gridSpam"));
    PageControl1->addTab(gridSpam, tr("Spam Deleted"));
    // Saving a picture and the hints on zooming are for the charts.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        const bool chart = charts[page] != nullptr;
        btSave->setEnabled(chart);
        btHints->setEnabled(chart);
        if (!chart) pnlHints->hide();
    });

    auto* select = new QLabel(tr("&Select :"));
    cbMailbox = new QComboBox;
    cbMailbox->setObjectName(QStringLiteral("cbMailbox"));
    cbMailbox->setEditable(false);
    cbMailbox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbMailbox->addItems(m_data.Records().Mailboxes);
    select->setBuddy(cbMailbox);
    const auto button = [this](const char* name, const QString& text, const QString& hint) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        if (!hint.isEmpty()) b->setToolTip(hint);
        return b;
    };
    btPlot = button("btPlot", tr("Redraw"), tr("Click here after changing the mailbox to view"));
    btDateRange = button("btDateRange", tr("Date Range"), {});
    btSave = button("btSave", tr("Save Picture"), tr("Save this chart as a PNG or SVG picture"));
    btHints = button("btHints", tr("Hints"), tr("Hints on graph scroll/zoom"));
    btPrint = button("btPrint", tr("Print"), tr("Print this page"));
    btClose = button("btClose", tr("Close"), tr("Return to Quillmere"));
    connect(btPlot, &QPushButton::clicked, this, &TfrmChart::btPlotClick);
    connect(btDateRange, &QPushButton::clicked, this, &TfrmChart::btDateRangeClick);
    connect(btSave, &QPushButton::clicked, this, &TfrmChart::btSaveClick);
    connect(btHints, &QPushButton::clicked, this, [this] {
        placeHints();
        pnlHints->show();
        pnlHints->raise();
    });
    connect(btPrint, &QPushButton::clicked, this, &TfrmChart::btPrintClick);
    connect(btClose, &QPushButton::clicked, this, &TfrmChart::reject);

    auto* row = new QHBoxLayout;
    row->setSpacing(5);
    row->setContentsMargins(0, 0, 5, 0);
    row->addWidget(select);
    row->addWidget(cbMailbox);
    row->addWidget(btPlot);
    row->addWidget(btDateRange);
    row->addStretch(1);
    row->addWidget(btSave);
    row->addWidget(btHints);
    row->addWidget(btPrint);
    row->addWidget(btClose);

    auto* v = new QVBoxLayout(this);
    v->addWidget(lblTitle);
    v->addWidget(PageControl1, 1);
    v->addLayout(row);

    pnlHints = static_cast<QFrame*>(buildHints());
    pnlHints->hide();

    m_dateRange = new TfrmSelectDateRange(this);

    // Wide enough to show every page tab side by side (the German ones are longer).
    const bool scrolls = PageControl1->usesScrollButtons();
    PageControl1->setUsesScrollButtons(false);
    layout()->activate();
    const int tabsWidth = minimumSizeHint().width();
    PageControl1->setUsesScrollButtons(scrolls);
    resize(qMax(900, tabsWidth), 620);
    const QString geometry =
        SettingsStore::tree().ReadString(settingsSection(), QStringLiteral("Window"), {});
    if (!geometry.isEmpty()) restoreGeometry(QByteArray::fromBase64(geometry.toLatin1()));
}

TfrmChart::~TfrmChart() = default;

QWidget* TfrmChart::buildDayOfWeek() {
    QChart* chart = newChart();
    dayOfWeekSeries = new QBarSeries;
    const QStringList days = m_data.DayOfWeekLabels();
    for (int s = 0; s < 3; ++s) {
        auto* set = new QBarSet(tr(kSeriesNames[s]));
        set->setColor(kSeriesColours[s]);
        set->setBorderColor(kSeriesColours[s].darker(150));
        for (int d = 0; d < days.size(); ++d)
            set->append(0);
        connect(set, &QBarSet::hovered, this, [set, days](bool on, int index) {
            if (on)
                showTip(QStringLiteral("%1\n%2: %3")
                            .arg(days.value(index), set->label())
                            .arg(qint64(set->at(index))));
        });
        dayOfWeekSeries->append(set);
    }
    chart->addSeries(dayOfWeekSeries);
    auto* x = new QBarCategoryAxis;
    x->append(days);
    chart->addAxis(x, Qt::AlignBottom);
    dayOfWeekSeries->attachAxis(x);
    m_dayOfWeekY = frequencyAxis(chart, Qt::AlignLeft);
    dayOfWeekSeries->attachAxis(m_dayOfWeekY);
    charts[DayOfWeekPage] = new ChartView(chart);
    charts[DayOfWeekPage]->setObjectName(QStringLiteral("chtDayOfWeek"));
    return charts[DayOfWeekPage];
}

QWidget* TfrmChart::buildLineChart(Page page, std::array<QLineSeries*, 3>& series, int strip) {
    QChart* chart = newChart();
    for (int s = 0; s < 3; ++s) {
        series[s] = new QLineSeries;
        series[s]->setName(tr(kSeriesNames[s]));
        series[s]->setColor(kSeriesColours[s]);
        series[s]->setPointsVisible(true);
        chart->addSeries(series[s]);
    }
    QAbstractAxis* x = nullptr;
    QValueAxis* y = frequencyAxis(chart, Qt::AlignLeft);
    if (page == HourOfDayPage) {
        m_hourX = new QCategoryAxis;
        m_hourX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        m_hourX->setStartValue(-0.5);
        // Half a slot to spare at either end keeps the first and last points whole.
        m_hourX->setRange(-0.5, 47.5);
        labelHours(2);
        connect(chart, &QChart::plotAreaChanged, this, [this] { labelHours(0); });
        x = m_hourX;
        m_hourY = y;
    } else {
        m_dayX = new QDateTimeAxis;
        m_dayX->setFormat(QStringLiteral("dd/MMM/yy"));
        m_dayX->setLabelsAngle(-90);
        x = m_dayX;
        m_dayY = y;
    }
    x->setTruncateLabels(false); // turned labels are cut to the space beside them otherwise
    chart->addAxis(x, Qt::AlignBottom);
    for (QLineSeries* s : series) {
        s->attachAxis(x);
        s->attachAxis(y);
        connect(s, &QLineSeries::hovered, this, [this, s, page](const QPointF& at, bool on) {
            if (!on) return;
            // The data point nearest to the mouse, with its exact value.
            const QList<QPointF> points = s->points();
            qsizetype best = -1;
            for (qsizetype i = 0; i < points.size(); ++i) {
                if (best < 0 || qAbs(points[i].x() - at.x()) < qAbs(points[best].x() - at.x()))
                    best = i;
            }
            if (best < 0) return;
            const QString where =
                page == HourOfDayPage
                    ? m_data.HourOfDayLabels().value(int(points[best].x()))
                    : QLocale().toString(
                          QDateTime::fromMSecsSinceEpoch(qint64(points[best].x())).date(),
                          QLocale::ShortFormat);
            showTip(
                QStringLiteral("%1\n%2: %3").arg(where, s->name()).arg(qint64(points[best].y())));
        });
    }
    auto* view = new ChartView(chart);
    view->setObjectName(page == HourOfDayPage ? QStringLiteral("chtHourOfDay")
                                              : QStringLiteral("chtDayByDay"));
    charts[page] = view;

    // Below the chart: the depth bar, then "Found", "Deleted" and "Checked".
    auto* depth = new QScrollBar(Qt::Horizontal);
    depth->setObjectName(QStringLiteral("sbDepth"));
    depth->setRange(kDepthMin, kDepthMax);
    depth->setValue(kDepthMin);
    depth->setToolTip(tr("Depth of the chart"));
    depth->setMinimumWidth(120);
    sbDepth[strip] = depth;
    connect(depth, &QScrollBar::valueChanged, this, [this, strip](int d) { setDepth(strip, d); });
    auto* depthLabel = new QLabel(tr("Line &depth:"));
    depthLabel->setBuddy(depth);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(5, 0, 0, 4);
    row->setSpacing(5);
    row->addWidget(depthLabel);
    row->addWidget(depth);
    row->addSpacing(10);
    // The boxes show "Number Found", "Number Deleted" and "E-mail Check".
    struct Box {
        const char* name;
        const char* text;
        int series;
    };
    const Box boxes[3] = {{"cbFound", QT_TR_NOOP("Found"), 1},
                          {"cbDeleted", QT_TR_NOOP("Deleted"), 2},
                          {"cbChecked", QT_TR_NOOP("Checked"), 0}};
    for (int b = 0; b < 3; ++b) {
        auto* box = new QCheckBox(tr(boxes[b].text));
        box->setObjectName(QString::fromLatin1(boxes[b].name));
        box->setChecked(true);
        QLineSeries* shown = series[boxes[b].series];
        connect(box, &QCheckBox::toggled, shown, &QLineSeries::setVisible);
        cbSeries[strip][b] = box;
        row->addWidget(box);
    }
    row->addStretch(1);
    setDepth(strip, kDepthMin);

    auto* page_ = new QWidget;
    auto* v = new QVBoxLayout(page_);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(view, 1);
    v->addLayout(row);
    return page_;
}

QWidget* TfrmChart::buildPie() {
    QChart* chart = newChart();
    pieSeries = new QPieSeries;
    const std::pair<const char*, QColor> slices[2] = {{QT_TR_NOOP("Normal E-mail"), kGreen},
                                                      {QT_TR_NOOP("Spam Deleted"), kRed}};
    for (const auto& [name, colour] : slices) {
        auto* slice = pieSeries->append(tr(name), 0);
        slice->setColor(colour);
        slice->setBorderColor(colour.darker(160));
        slice->setLabelVisible(true);
        slice->setLabelPosition(QPieSlice::LabelOutside);
        connect(slice, &QPieSlice::hovered, this, [slice, name](bool on) {
            if (on)
                showTip(QStringLiteral("%1: %2 (%3 %)")
                            .arg(tr(name))
                            .arg(qint64(slice->value()))
                            .arg(qRound(slice->percentage() * 100)));
        });
    }
    pieSeries->setPieSize(0.7);
    chart->addSeries(pieSeries);
    chart->legend()->setAlignment(Qt::AlignRight);
    // Tilted look: a shadow under the chart's background.
    chart->setDropShadowEnabled(true);
    charts[PiePage] = new ChartView(chart);
    charts[PiePage]->setObjectName(QStringLiteral("chtPie"));
    return charts[PiePage];
}

QWidget* TfrmChart::buildTopTen(Page page, QHorizontalBarSeries*& series, QBarCategoryAxis*& axis) {
    QChart* chart = newChart();
    chart->legend()->hide();
    series = new QHorizontalBarSeries;
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    auto* set = new QBarSet(page == DomainsPage ? tr("Domain") : tr("Sender"));
    set->setColor(kRed);
    set->setLabelColor(Qt::black);
    series->append(set);
    chart->addSeries(series);
    axis = new QBarCategoryAxis;
    chart->addAxis(axis, Qt::AlignLeft);
    series->attachAxis(axis);
    QValueAxis* x = countAxis();
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    (page == DomainsPage ? m_domainX : m_spammerX) = x;
    QBarCategoryAxis* labels = axis;
    connect(set, &QBarSet::hovered, this, [set, labels](bool on, int index) {
        if (on)
            showTip(QStringLiteral("%1: %2").arg(labels->at(index)).arg(qint64(set->at(index))));
    });
    charts[page] = new ChartView(chart);
    charts[page]->setObjectName(page == DomainsPage ? QStringLiteral("chtDomains")
                                                    : QStringLiteral("chtSpammers"));
    return charts[page];
}

QWidget* TfrmChart::buildHints() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlHints"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    auto* heading = new QLabel(tr("Graph Zoom/Navigation Hints"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("btHintsOK"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, panel, &QWidget::hide);
    auto* v = new QVBoxLayout(panel);
    v->addWidget(heading, 0, Qt::AlignHCenter);
    for (const char* line :
         {QT_TR_NOOP("Left click and drag mouse from upper left to lower right to zoom"),
          QT_TR_NOOP("Right click and drag mouse to move graph"),
          QT_TR_NOOP("Left click and drag mouse from lower right to upper left to reset")})
        v->addWidget(new QLabel(tr(line)));
    v->addWidget(ok, 0, Qt::AlignHCenter);
    panel->adjustSize();
    return panel;
}

void TfrmChart::placeHints() {
    pnlHints->adjustSize();
    pnlHints->move(width() / 2 - pnlHints->width() / 2, height() / 2 - pnlHints->height() / 2);
}

void TfrmChart::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (pnlHints && pnlHints->isVisible()) placeHints();
}

void TfrmChart::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showTitle();
}

void TfrmChart::done(int result) {
    try {
        SettingsStore::tree().WriteString(settingsSection(), QStringLiteral("Window"),
                                          QString::fromLatin1(saveGeometry().toBase64()));
    } catch (const Exception&) {
        // The size and place are a convenience: the window closes all the same.
    }
    QDialog::done(result);
}

void TfrmChart::showTitle() {
    lblTitle->setText(m_data.TitleLine());
}

bool TfrmChart::prepare() {
    try {
        m_data.fillInGrids();
        fillInGrids();
        m_data.PlotReadings();
        PlotReadings();
        m_data.RecomputePie();
        RecomputePie();
        return true;
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
        return false;
    }
}

void TfrmChart::btPlotClick() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_data.SelectedMailbox = qMax(0, cbMailbox->currentIndex());
    showTitle();
    try {
        m_data.fillInGrids();
        fillInGrids();
        m_data.RecomputePie();
        RecomputePie();
        m_data.PlotReadings();
        PlotReadings();
    } catch (const Exception& e) {
        // What was computed before the bad number stays shown.
        PlotReadings();
        QGuiApplication::restoreOverrideCursor();
        m_prompter.error(e.shown());
        return;
    }
    QGuiApplication::restoreOverrideCursor();
}

void TfrmChart::btDateRangeClick() {
    m_dateRange->setDates(m_data.StartDate().date(), m_data.EndDate().date());
    if (m_dateRange->exec() != QDialog::Accepted) return;
    m_data.setRange(m_dateRange->range().start, m_dateRange->range().end);
    btPlotClick();
}

void TfrmChart::fillInGrids() {
    m_traffic->setRows(m_data.EmailTraffic);
    m_spam->setRows(m_data.SpamDeleted);
    // The columns fit their texts when first filled with rows; after that they
    // keep the widths the user gave them.
    if (!m_columnsFitted) {
        gridTraffic->resizeColumnsToContents();
        gridSpam->resizeColumnsToContents();
        m_columnsFitted = !m_data.EmailTraffic.isEmpty() || !m_data.SpamDeleted.isEmpty();
    }
}

void TfrmChart::RecomputePie() {
    pieSeries->slices()[0]->setValue(double(m_data.Pie.Normal));
    pieSeries->slices()[1]->setValue(double(m_data.Pie.Deleted));
    for (QPieSlice* slice : pieSeries->slices()) {
        const bool any = pieSeries->sum() > 0;
        slice->setLabel(slice == pieSeries->slices()[0] ? tr("Normal E-mail") : tr("Spam Deleted"));
        slice->setLabel(slice->label() + QStringLiteral(" ") +
                        QStringLiteral("%1 %").arg(any ? qRound(slice->percentage() * 100) : 0));
    }
    showNoData(PiePage, ChartData::Chart::Pie);
}

void TfrmChart::showNoData(Page page, ChartData::Chart chart) {
    charts[page]->setNoDataText(m_data.HasData(chart) ? QString() : m_data.NoDataText());
}

void TfrmChart::PlotReadings() {
    using Chart = ChartData::Chart;
    const SlotSeries& dow = m_data.DayOfWeek;
    const QList<qint64>* dowValues[3] = {&dow.Checks, &dow.Found, &dow.Deleted};
    for (int s = 0; s < 3; ++s) {
        QBarSet* set = dayOfWeekSeries->barSets()[s];
        for (int d = 0; d < dowValues[s]->size(); ++d)
            set->replace(d, double(dowValues[s]->at(d)));
    }
    fitCountAxis(m_dayOfWeekY, m_data.AxisOf(Chart::DayOfWeek), false);
    showNoData(DayOfWeekPage, Chart::DayOfWeek);

    const SlotSeries& hod = m_data.HourOfDay;
    const QList<qint64>* hodValues[3] = {&hod.Checks, &hod.Found, &hod.Deleted};
    for (int s = 0; s < 3; ++s) {
        QList<QPointF> points;
        for (int i = 0; i < hodValues[s]->size(); ++i)
            points.append(QPointF(i, double(hodValues[s]->at(i))));
        hourSeries[s]->replace(points);
    }
    fitCountAxis(m_hourY, m_data.AxisOf(Chart::HourOfDay), true);
    showNoData(HourOfDayPage, Chart::HourOfDay);

    const QList<DayPoint>* dayValues[3] = {&m_data.DayByDay.Checks, &m_data.DayByDay.Found,
                                           &m_data.DayByDay.Deleted};
    for (int s = 0; s < 3; ++s) {
        QList<QPointF> points;
        points.reserve(dayValues[s]->size());
        for (const DayPoint& p : *dayValues[s])
            points.append(QPointF(double(QDateTime(p.Date, QTime(0, 0)).toMSecsSinceEpoch()),
                                  double(p.Value)));
        daySeries[s]->replace(points);
    }
    const DayAxis days = m_data.DayByDayAxis();
    m_dayX->setRange(QDateTime(days.First, QTime(0, 0)), QDateTime(days.Last, QTime(0, 0)));
    m_dayX->setTickCount(days.TickCount());
    fitCountAxis(m_dayY, m_data.AxisOf(Chart::DayByDay), true);
    showNoData(DayByDayPage, Chart::DayByDay);

    plotTopTen(domainSeries, domainAxis, m_data.TopDomains);
    fitCountAxis(m_domainX, m_data.AxisOf(Chart::TopDomains), false);
    showNoData(DomainsPage, Chart::TopDomains);
    plotTopTen(spammerSeries, spammerAxis, m_data.TopSpammers);
    fitCountAxis(m_spammerX, m_data.AxisOf(Chart::TopSpammers), false);
    showNoData(SpammersPage, Chart::TopSpammers);
}

void TfrmChart::plotTopTen(QHorizontalBarSeries* series, QBarCategoryAxis* axis,
                           const QList<TallyEntry>& entries) {
    // The largest count at the top: the axis runs upwards, so the bars go in backwards.
    QBarSet* set = series->barSets().first();
    set->remove(0, set->count());
    axis->clear();
    QStringList labels;
    for (qsizetype i = entries.size() - 1; i >= 0; --i) {
        set->append(entries[i].Count);
        labels.append(entries[i].Value);
    }
    axis->append(labels);
}

void TfrmChart::labelHours(int hours) {
    const QStringList labels = m_data.HourOfDayLabels();
    int angle = 0;
    if (hours <= 0) {
        if (!charts[HourOfDayPage]) return;
        // A label every hour where they fit side by side, else every two hours,
        // turned where even those would touch. The room is taken from the view,
        // which the labels do not change, less the value axis beside the plot.
        const QFontMetrics fm(m_hourX->labelsFont());
        int widest = 0;
        for (const QString& label : labels)
            widest = qMax(widest, fm.horizontalAdvance(label));
        const int wanted = widest + 2 * fm.averageCharWidth();
        const int room = charts[HourOfDayPage]->width() - 12 * fm.averageCharWidth();
        hours = 24 * wanted <= room ? 1 : 2;
        angle = 12 * wanted <= room ? 0 : -90;
    }
    if (hours == m_hourStep && angle == int(m_hourX->labelsAngle())) return;
    m_hourStep = hours;
    m_hourX->setLabelsAngle(angle);
    for (const QString& label : m_hourX->categoriesLabels())
        m_hourX->remove(label);
    for (int slot = 0; slot < labels.size(); slot += 2 * hours)
        m_hourX->append(labels[slot], slot);
}

void TfrmChart::setDepth(int strip, int depth) {
    for (QLineSeries* s : (strip == 0 ? hourSeries : daySeries))
        setLineDepth(s, depth);
}

void TfrmChart::btPrintClick() {
    const int page = PageControl1->currentIndex();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    if (page == TrafficPage || page == SpamPage) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        const bool traffic = page == TrafficPage;
        printTable(&printer, traffic ? tr("E-mail traffic") : tr("Deleted Spam"),
                   traffic ? ChartData::EmailTrafficColumns() : ChartData::SpamDeletedColumns(),
                   visibleRows(traffic ? gridTraffic : gridSpam), 4, Clock::current().now());
        return;
    }
    ChartView* view = charts[page];
    if (!view) return;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(PageControl1->tabText(page));
    connect(&preview, &QPrintPreviewDialog::paintRequested, view, &ChartView::printTo);
    preview.exec();
}

void TfrmChart::btSaveClick() {
    const int page = PageControl1->currentIndex();
    ChartView* view = charts[page];
    if (!view) return;
    QString name = PageControl1->tabText(page).remove(u'%').simplified().replace(u' ', u'_');
    QString selected;
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save chart as picture"), name + QStringLiteral(".png"),
        tr("PNG picture (*.png);;SVG picture (*.svg)"), &selected);
    if (path.isEmpty()) return;
    QString file = path;
    if (!file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        // The filter's pattern, which every language keeps, names the kind.
        file += selected.contains(QLatin1String("*.svg")) ? QStringLiteral(".svg")
                                                          : QStringLiteral(".png");
    if (!view->savePicture(file))
        m_prompter.error(tr("Could not save the picture to %1.").arg(file));
}
