#pragma once

#include "activity/ChartData.h"

#include <QDialog>
#include <array>

class ChartView;
class Prompter;
class QBarCategoryAxis;
class QBarSeries;
class QCategoryAxis;
class QChart;
class QCheckBox;
class QComboBox;
class QDateTimeAxis;
class QFrame;
class QHorizontalBarSeries;
class QLabel;
class QLineSeries;
class QPieSeries;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTableView;
class QValueAxis;
class StatsTableModel;
class TfrmSelectDateRange;

// The statistics window: a title line, the two tables and six charts of the
// activity log's records, and the buttons that choose a mailbox and a date
// range, redraw, print and close. Everything it shows comes from its ChartData.
class TfrmChart : public QDialog {
    Q_OBJECT
public:
    // The pages, in their order.
    enum Page {
        DayOfWeekPage,
        HourOfDayPage,
        DayByDayPage,
        PiePage,
        DomainsPage,
        SpammersPage,
        TrafficPage,
        SpamPage,
        PageCount
    };

    TfrmChart(ActivityRecords records, Prompter& prompter, QWidget* parent = nullptr);
    ~TfrmChart() override;

    // Fills the tables, the pie and the charts from the records. Shows the
    // conversion error and returns false when a check's number is not a whole
    // number (what was computed before it stays shown).
    bool prepare();
    // Redraw: the title line, the tables, the pie and the charts for the chosen
    // mailbox and range.
    void btPlotClick();
    // Date Range: asks for a range and redraws with it when confirmed.
    void btDateRangeClick();
    // Print: the page's table, or a preview of the page's chart.
    void btPrintClick();
    // Saves the page's chart as a PNG or SVG picture.
    void btSaveClick();

    ChartData& data() { return m_data; }
    TfrmSelectDateRange* dateRangeDialog() const { return m_dateRange; }

    QLabel* lblTitle = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QComboBox* cbMailbox = nullptr;
    QPushButton* btPlot = nullptr;
    QPushButton* btDateRange = nullptr;
    QPushButton* btSave = nullptr;
    QPushButton* btHints = nullptr;
    QPushButton* btPrint = nullptr;
    QPushButton* btClose = nullptr;
    QFrame* pnlHints = nullptr;

    // The charts, by page (nullptr for the two table pages).
    std::array<ChartView*, PageCount> charts{};
    // "E-mail Check", "Number Found" and "Number Deleted" of the three charts.
    QBarSeries* dayOfWeekSeries = nullptr;
    std::array<QLineSeries*, 3> hourSeries{};
    std::array<QLineSeries*, 3> daySeries{};
    QPieSeries* pieSeries = nullptr;
    QHorizontalBarSeries* domainSeries = nullptr;
    QHorizontalBarSeries* spammerSeries = nullptr;
    QBarCategoryAxis* domainAxis = nullptr;
    QBarCategoryAxis* spammerAxis = nullptr;
    // The depth bar and the "Found", "Deleted", "Checked" boxes of the line charts.
    std::array<QScrollBar*, 2> sbDepth{};
    std::array<std::array<QCheckBox*, 3>, 2> cbSeries{};

    QTableView* gridTraffic = nullptr;
    QTableView* gridSpam = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    QWidget* buildDayOfWeek();
    QWidget* buildLineChart(Page page, std::array<QLineSeries*, 3>& series, int strip);
    QWidget* buildPie();
    QWidget* buildTopTen(Page page, QHorizontalBarSeries*& series, QBarCategoryAxis*& axis);
    QWidget* buildHints();
    void showTitle();
    void fillInGrids();
    void RecomputePie();
    void PlotReadings();
    void plotTopTen(QHorizontalBarSeries* series, QBarCategoryAxis* axis,
                    const QList<TallyEntry>& entries);
    void showNoData(Page page, ChartData::Chart chart);
    // Labels the hour axis every hours hours (0: every hour or two, as fits its width).
    void labelHours(int hours);
    void setDepth(int strip, int depth);
    void placeHints();

    ChartData m_data;
    Prompter& m_prompter;
    TfrmSelectDateRange* m_dateRange = nullptr;
    StatsTableModel* m_traffic = nullptr;
    StatsTableModel* m_spam = nullptr;
    QValueAxis* m_dayOfWeekY = nullptr;
    QCategoryAxis* m_hourX = nullptr;
    QValueAxis* m_hourY = nullptr;
    QDateTimeAxis* m_dayX = nullptr;
    QValueAxis* m_dayY = nullptr;
    QValueAxis* m_domainX = nullptr;
    QValueAxis* m_spammerX = nullptr;
    bool m_columnsFitted = false;
    int m_hourStep = 0; // hours between two labels of the hour axis
};
