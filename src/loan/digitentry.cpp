#include "loan/digitentry.h"

#include "common/numberformat.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace tq {

DigitEntry::DigitEntry(QLineEdit *box) : QObject(box), m_box(box)
{
    connect(box, &QLineEdit::textChanged, this, &DigitEntry::onTextChanged);
}

bool DigitEntry::isEmpty() const
{
    return m_box->text().isEmpty();
}

void DigitEntry::clear(double value)
{
    const QSignalBlocker quiet(m_box);
    m_box->clear();
    m_value = value;
}

void DigitEntry::onTextChanged(const QString &text)
{
    if (!text.isEmpty() && !(text.back() >= u'0' && text.back() <= u'9')) {
        const QString kept = text.chopped(1);
        m_box->setText(kept); // comes back here with the kept text
        m_box->setCursorPosition(int(kept.size()));
        return;
    }
    if (!text.isEmpty())
        m_value = leadingNumber(text);
    Q_EMIT changed();
}

} // namespace tq
