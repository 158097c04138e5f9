#include "accessibility.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace tq::test {

namespace {

QList<QWidget *> inputsOf(const QWidget *window)
{
    QList<QWidget *> inputs;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const bool partOfAnother = qobject_cast<QComboBox *>(w->parentWidget()) ||
                                   qobject_cast<QAbstractSpinBox *>(w->parentWidget());
        if ((qobject_cast<QLineEdit *>(w) && !partOfAnother) || qobject_cast<QComboBox *>(w) ||
            qobject_cast<QAbstractSpinBox *>(w))
            inputs.append(w);
    }
    return inputs;
}

QString captionOf(const QWidget *window, const QWidget *input)
{
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() == input)
            return label->text().remove(u'&').simplified();
    return {};
}

} // namespace

void verifyInputsAnnounceCaptions(const QWidget *window)
{
    const QList<QWidget *> inputs = inputsOf(window);
    QVERIFY2(!inputs.isEmpty(), "the window has no inputs");
    for (QWidget *input : inputs) {
        const QString caption = captionOf(window, input);
        QVERIFY2(!caption.isEmpty(), qPrintable(input->objectName() + QStringLiteral(" has no caption")));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(input);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name).simplified(), caption);
    }
}

} // namespace tq::test
