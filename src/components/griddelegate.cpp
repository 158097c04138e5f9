#include "components/griddelegate.h"

#include "components/gridmodel.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTextLayout>

namespace tq {

namespace {

// A cell of plain text on one line, drawn where and as the style draws it but
// laid out once: the style lays each cell's text out four times, which made
// the grid's first paint the largest part of opening a window. Anything else
// (a check box, an icon, the focus frame, an open editor, text that must be
// cut short or take two lines) is left to the style; false then.
bool paintPlainText(QPainter *painter, const QStyleOptionViewItem &opt)
{
    if (opt.features & (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration) ||
        opt.state & (QStyle::State_HasFocus | QStyle::State_Editing) || !opt.showDecorationSelected)
        return false;
    const QWidget *widget = opt.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);

    QTextLayout layout(opt.text, opt.font);
    QTextOption textOption;
    textOption.setWrapMode(opt.features & QStyleOptionViewItem::WrapText ? QTextOption::WordWrap
                                                                         : QTextOption::ManualWrap);
    textOption.setTextDirection(opt.direction);
    textOption.setAlignment(QStyle::visualAlignment(opt.direction, opt.displayAlignment));
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(textRect.width());
    const bool moreLines = layout.createLine().isValid();
    layout.endLayout();
    if (moreLines || (line.isValid() && line.naturalTextWidth() > textRect.width()))
        return false;

    painter->save();
    painter->setClipRect(opt.rect);
    const bool selected = opt.state & QStyle::State_Selected;
    if (selected || opt.backgroundBrush.style() != Qt::NoBrush)
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    if (!opt.text.isEmpty()) {
        QPalette::ColorGroup group =
            opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(opt.state & QStyle::State_Active))
            group = QPalette::Inactive;
        painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect lineRect = QStyle::alignedRect(opt.direction, opt.displayAlignment,
                                                   QSize(textRect.width(), int(line.height())), textRect);
        line.draw(painter, lineRect.topLeft());
    }
    painter->restore();
    return true;
}

} // namespace

GridDelegate::GridDelegate(MaxLength maxLength, QObject *parent)
    : QStyledItemDelegate(parent), m_maxLength(std::move(maxLength))
{
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (!paintPlainText(painter, opt))
        QStyledItemDelegate::paint(painter, option, index);

    const QPixmap picture = index.data(GridModel::PictureRole).value<QPixmap>();
    if (!picture.isNull()) {
        QRect target(QPoint(), picture.deviceIndependentSize().toSize());
        target.moveCenter(option.rect.center());
        painter->drawPixmap(target, picture);
    }
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                    const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    if (const int limit = m_maxLength(index); limit > 0)
        editor->setMaxLength(limit);
    connect(editor, &QLineEdit::textEdited, this, &GridDelegate::editorTextEdited);
    m_editor = editor;
    m_editedIndex = index;
    return editor;
}

} // namespace tq
