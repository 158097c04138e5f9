#include "budget/earlierversions.h"

#include "budgetengine/entryrules.h"
#include "budgetengine/yearfile.h"
#include "budgetengine/yearhistory.h"
#include "components/program.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tq {

namespace {

const QString title = QStringLiteral("Earlier Versions");

QTreeWidget *versionList(const QList<yearhistory::Version> &versions, QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("versionList"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Total Expenses")});
    list->setAccessibleName(title);
    const QLocale locale;
    // Seconds tell two saves of one minute apart; the time zone says nothing here.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1String(" t"));
    for (const yearhistory::Version &v : versions) {
        auto *row = new QTreeWidgetItem(list, {locale.toString(v.savedAt.date(), QLocale::ShortFormat),
                                               locale.toString(v.savedAt.time(), timeFormat),
                                               entry::formatMonthFigure(yearhistory::totalExpenses(v))});
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setCurrentItem(list->topLevelItem(0));
    return list;
}

} // namespace

QString chooseEarlierVersion(Program &program, QWidget *window, int year)
{
    const QList<yearhistory::Version> versions = yearhistory::versions(program.folder, year);
    if (versions.isEmpty()) {
        program.prompter.inform(
            window, title,
            QStringLiteral("No earlier version of %1 has been kept yet.").arg(yearfile::fileName(year)));
        return {};
    }
    QDialog dialog(window);
    dialog.setObjectName(QStringLiteral("EarlierVersions"));
    dialog.setWindowTitle(QStringLiteral("%1 of %2").arg(title, yearfile::fileName(year)));
    auto *list = versionList(versions, &dialog);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QTreeWidget::itemActivated, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(420, 360);
    if (program.prompter.runDialog(dialog) != QDialog::Accepted)
        return {};
    const int chosen = list->indexOfTopLevelItem(list->currentItem());
    return chosen >= 0 ? versions[chosen].path : QString();
}

} // namespace tq
