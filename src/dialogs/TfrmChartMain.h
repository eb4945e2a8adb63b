#pragma once

#include <QDialog>
#include <functional>

class Prompter;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TfrmChart;

// The start dialog of the statistics: the log file to read (the stored log path
// at first), a browse button, OK and Cancel, and a progress bar while the log is
// read. OK reads the log, fills the statistics window and shows it; Cancel
// closes the dialog, or stops a reading under way.
class TfrmChartMain : public QDialog {
    Q_OBJECT
public:
    explicit TfrmChartMain(Prompter& prompter, QWidget* parent = nullptr);
    ~TfrmChartMain() override;

    // Whether the statistics window is being prepared or is open, anywhere in the
    // program: set when OK is taken, cleared when that window has closed.
    static bool StatisticsOpen();

    // OK: reads the log named in the path field and shows the statistics window
    // for it; closes the dialog afterwards, whatever happened.
    void btOKClick();
    // Browse: lets the user pick the log file.
    void btBrowseClick();
    void reject() override;

    QLineEdit* edPath = nullptr;
    QPushButton* btBrowse = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

    // Called with the statistics window once it is filled, just before it is
    // shown (tests inspect and close it here).
    std::function<void(TfrmChart&)> OnChartReady;
    // Lines read between two looks at the event queue.
    int LinesPerEventCheck = 4000;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Prompter& m_prompter;
    bool m_reading = false;
    bool m_cancelled = false;
};
