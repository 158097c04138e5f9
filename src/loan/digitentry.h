#pragma once
// Keeps an entry box to digits as the user types and remembers the number it
// last held. Only the character just added is checked, so a pasted "1a2"
// passes and reads as 1; an emptied box keeps the number it held before.
#include <QObject>

class QLineEdit;

namespace tq {

class DigitEntry : public QObject
{
    Q_OBJECT
public:
    explicit DigitEntry(QLineEdit *box);

    QLineEdit *box() const { return m_box; }
    double value() const { return m_value; }
    void setValue(double value) { m_value = value; }
    bool isEmpty() const;
    // Empties the box without a change notification and stores `value`.
    void clear(double value);

Q_SIGNALS:
    void changed(); // after every change of the text, once the filter is done

private:
    void onTextChanged(const QString &text);

    QLineEdit *m_box;
    double m_value = 0;
};

} // namespace tq
