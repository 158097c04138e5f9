#pragma once
// How wide an entry box or a list must be to show a value whole in its
// current font: frame, margins and the drop-down button included.
class QComboBox;
class QLineEdit;
class QString;

namespace tq {

int boxWidthFor(const QLineEdit *box, const QString &longest);
// For the list's longest item.
int listWidthFor(const QComboBox *list);
// A list's design width in twips: the designed one, or more when the
// longest item needs it at design size.
int listDesignWidth(const QComboBox *list, int designTwips);
int boxDesignWidth(const QLineEdit *box, const QString &longest, int designTwips);

} // namespace tq
