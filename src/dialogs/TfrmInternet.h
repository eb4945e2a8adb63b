#pragma once

#include <QDialog>

class QPushButton;
class QTreeWidget;

// The country table: picks a country, whose code becomes a domain ending.
class TfrmInternet : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInternet(QWidget* parent = nullptr);

    // After OK: "." and the chosen code (as in ".DE"), and the country's name.
    QString domainEnding() const { return m_ending; }
    QString countryName() const { return m_name; }

    void accept() override;

    QTreeWidget* lvCountries = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;

private:
    QString m_ending, m_name;
};
