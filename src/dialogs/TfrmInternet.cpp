#include "dialogs/TfrmInternet.h"

#include "dialogs/CountryNames.h"
#include "dialogs/EditorParts.h"
#include "rules/RuleEdits.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace EditorParts;

TfrmInternet::TfrmInternet(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInternet"));
    setWindowTitle(tr("Internet WWW Country Suffixes"));
    lvCountries = named(new QTreeWidget, "lvCountries");
    lvCountries->setRootIsDecorated(false);
    lvCountries->setHeaderLabels({tr("Abbreviation"), tr("Country")});
    lvCountries->setAllColumnsShowFocus(true);
    for (const QString& entry : CountryEntries()) {
        const QStringList parts = entry.split(QLatin1Char('\t'));
        auto* item = new QTreeWidgetItem(
            lvCountries, {parts.value(0), countryNameShown(parts.value(1))});
        item->setData(0, Qt::UserRole, entry);
    }
    lvCountries->setCurrentItem(lvCountries->topLevelItem(0));
    lvCountries->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(lvCountries, &QTreeWidget::itemDoubleClicked, this, &TfrmInternet::accept);

    auto* v = new QVBoxLayout(this);
    v->addWidget(lvCountries, 1);
    v->addWidget(note(tr("You may block e-mail from a particular country by selecting "
                         "one from the list above.")));
    v->addWidget(okCancel(this, &btOK, &btCancel));
    resize(380, 440);
}

void TfrmInternet::accept() {
    const QTreeWidgetItem* item = lvCountries->currentItem();
    if (!item) return;
    const QString entry = item->data(0, Qt::UserRole).toString();
    m_ending = countryDomainEnding(entry);
    m_name = ::countryName(entry);
    QDialog::accept();
}
