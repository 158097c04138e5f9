#include "loan/digitentry.h"

#include "common/numberformat.h"
#include "common/typedfilter.h"

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
    if (const std::optional<QString> kept = refuseLastTyped(text)) {
        m_box->setText(*kept); // comes back here with the kept text
        m_box->setCursorPosition(int(kept->size()));
        return;
    }
    if (!text.isEmpty())
        m_value = leadingNumber(text);
    Q_EMIT changed();
}

} // namespace tq
