#include "dialogs/TfrmChartMain.h"

#include "activity/LogNaming.h"
#include "activity/LogReader.h"
#include "dialogs/TfrmChart.h"
#include "mail/Exceptions.h"
#include "settings/Clock.h"
#include "settings/Prompter.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace {
bool g_statisticsOpen = false;

// Sets the process-wide flag for as long as it lives.
class OpenFlag {
public:
    OpenFlag() { g_statisticsOpen = true; }
    ~OpenFlag() { g_statisticsOpen = false; }
};

// The hourglass for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};
} // namespace

TfrmChartMain::TfrmChartMain(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmChartMain"));
    setWindowTitle(tr("Activity Log Statistics for Quillmere"));

    auto* heading = new QLabel(tr("Quillmere Activity Statistics"));
    heading->setObjectName(QStringLiteral("lblHeading"));
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    heading->setFont(big);

    auto* label = new QLabel(tr("Open existing activity log:"));
    edPath = new QLineEdit;
    edPath->setObjectName(QStringLiteral("edPath"));
    edPath->setMinimumWidth(edPath->fontMetrics().averageCharWidth() * 48);
    label->setBuddy(edPath);
    btBrowse = new QPushButton(tr("Browse..."));
    btBrowse->setObjectName(QStringLiteral("btBrowse"));
    btBrowse->setToolTip(tr("Choose the activity log file"));
    btBrowse->setAutoDefault(false);
    connect(btBrowse, &QPushButton::clicked, this, &TfrmChartMain::btBrowseClick);

    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    btOK = buttons->button(QDialogButtonBox::Ok);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btCancel = buttons->button(QDialogButtonBox::Cancel);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    connect(btOK, &QPushButton::clicked, this, &TfrmChartMain::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &TfrmChartMain::reject);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(edPath, 1);
    pathRow->addWidget(btBrowse);
    auto* v = new QVBoxLayout(this);
    v->addWidget(heading);
    v->addSpacing(8);
    v->addWidget(label);
    v->addLayout(pathRow);
    v->addWidget(ProgressBar1);
    v->addStretch(1);
    v->addWidget(buttons);
}

TfrmChartMain::~TfrmChartMain() = default;

bool TfrmChartMain::StatisticsOpen() {
    return g_statisticsOpen;
}

void TfrmChartMain::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The file the program writes to today, whatever its naming mode.
    edPath->setText(StoredLogPath(Clock::current().now().date()));
}

void TfrmChartMain::btBrowseClick() {
    QFileDialog dialog(this, tr("Location of Quillmere activity log file"),
                       QFileInfo(edPath->text()).path(),
                       tr("Activity log files (*.txt);;All files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        edPath->setText(dialog.selectedFiles().first());
}

void TfrmChartMain::reject() {
    if (m_reading) {
        m_cancelled = true; // the reading stops at its next look at the events
        return;
    }
    QDialog::reject();
}

void TfrmChartMain::btOKClick() {
    if (m_reading || g_statisticsOpen) return;
    std::unique_ptr<TfrmChart> chart;
    {
        OpenFlag open;
        bool ready = false;
        {
            WaitCursor wait;
            m_reading = true;
            m_cancelled = false;
            btOK->setEnabled(false);
            ProgressBar1->setValue(0);
            ProgressBar1->show();

            // The progress bar counts in kibibytes so that big logs fit its range.
            LogReader reader(QLocale(), Clock::current());
            qint64 lines = 0;
            reader.OnProgress = [&](qint64 position, qint64 size) {
                if (++lines % LinesPerEventCheck != 1) return;
                ProgressBar1->setMaximum(int(qMax<qint64>(1, size / 1024)));
                ProgressBar1->setValue(int(position / 1024));
                QCoreApplication::processEvents();
                if (m_cancelled) throw ECanceledError(QString());
            };
            try {
                ActivityRecords records = reader.readInLogFile(edPath->text());
                ProgressBar1->setValue(ProgressBar1->maximum());
                chart = std::make_unique<TfrmChart>(std::move(records), m_prompter, this);
                ready = chart->prepare();
            } catch (const ECanceledError&) {
                // Cancel while reading: no window.
            } catch (const Exception& e) {
                m_prompter.error(e.shown());
            }
            m_reading = false;
            ProgressBar1->hide();
            btOK->setEnabled(true);
        }
        if (ready) {
            hide();
            if (OnChartReady) OnChartReady(*chart);
            chart->exec();
        }
        chart.reset();
    }
    QDialog::reject();
}
