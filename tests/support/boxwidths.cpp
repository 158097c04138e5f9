#include "boxwidths.h"

#include "components/boxwidth.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace tq::test {

namespace {

constexpr int unlimited = 32767; // QLineEdit's default length limit

} // namespace

void verifyBoxesShowLongestValues(const QWidget *window)
{
    for (const QComboBox *list : window->findChildren<QComboBox *>())
        QVERIFY2(list->width() >= listWidthFor(list), qPrintable(QStringLiteral("%1: %2 < %3")
                                                                     .arg(list->objectName())
                                                                     .arg(list->width())
                                                                     .arg(listWidthFor(list))));
    for (const QLineEdit *box : window->findChildren<QLineEdit *>()) {
        if (qobject_cast<QComboBox *>(box->parentWidget()) || box->maxLength() >= unlimited)
            continue;
        const int needed = boxWidthFor(box, QString(box->maxLength(), u'8'));
        QVERIFY2(
            box->width() >= needed,
            qPrintable(QStringLiteral("%1: %2 < %3").arg(box->objectName()).arg(box->width()).arg(needed)));
    }
}

} // namespace tq::test
