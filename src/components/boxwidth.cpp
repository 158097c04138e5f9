#include "components/boxwidth.h"

#include "common/twips.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

namespace tq {

namespace {

constexpr int lineEditMargin = 2; // QLineEdit's own margin on each side of the text
constexpr int cursorRoom = 1;

int textRoom(const QLineEdit *box, const QString &text)
{
    const QMargins margins = box->textMargins() + box->contentsMargins();
    return int(std::ceil(QFontMetricsF(box->font()).horizontalAdvance(text))) + 2 * lineEditMargin +
           cursorRoom + margins.left() + margins.right();
}

} // namespace

int boxWidthFor(const QLineEdit *box, const QString &longest)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QSize text(textRoom(box, longest), box->fontMetrics().height());
    return box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, box).width();
}

int listWidthFor(const QComboBox *list)
{
    int widest = 0;
    const QFontMetricsF metrics(list->font());
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, int(std::ceil(metrics.horizontalAdvance(list->itemText(i)))));
    if (const QLineEdit *edit = list->lineEdit())
        widest += textRoom(edit, QString()); // the edit line's own margins
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    return list->style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), list)
        .width();
}

namespace {

// One pixel spare: scaled edges round to whole pixels.
int designWidth(const QWidget *w, int neededPixels, int designTwips)
{
    return std::max(designTwips, int(std::ceil(pixelsToTwips(neededPixels + 1, w->logicalDpiX()))));
}

} // namespace

int listDesignWidth(const QComboBox *list, int designTwips)
{
    return designWidth(list, listWidthFor(list), designTwips);
}

int boxDesignWidth(const QLineEdit *box, const QString &longest, int designTwips)
{
    return designWidth(box, boxWidthFor(box, longest), designTwips);
}

} // namespace tq
