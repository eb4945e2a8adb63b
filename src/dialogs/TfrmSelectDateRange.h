#pragma once

#include "activity/DateRange.h"

#include <QDialog>

class QDateEdit;
class QRadioButton;
class QSpinBox;

// The date range dialog of the statistics window: between two dates, during the
// previous months or during the previous days. The range is computed anew when a
// choice is clicked, when the dialog is shown and on OK; "today" comes from the
// program's clock.
class TfrmSelectDateRange : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSelectDateRange(QWidget* parent = nullptr);

    // Puts a range into the two date fields of the "between" line.
    void setDates(const QDate& start, const QDate& end);
    // The range computed last.
    const DateRange& range() const { return m_range; }
    // The choice the controls show now.
    DateRangeChoice choice() const;
    // Computes the range from the controls.
    void computeStartEnd();

    void accept() override;

    QRadioButton* rbBetween = nullptr;
    QRadioButton* rbMonths = nullptr;
    QRadioButton* rbDays = nullptr;
    QDateEdit* dtStart = nullptr;
    QDateEdit* dtEnd = nullptr;
    QSpinBox* nMonths = nullptr;
    QSpinBox* nDays = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void enableInputs();
    void dtStartExit();

    DateRange m_range;
};
