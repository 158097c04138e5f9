#include "components/griddelegate.h"

#include "components/gridmodel.h"

#include <QLineEdit>
#include <QPainter>

namespace tq {

GridDelegate::GridDelegate(MaxLength maxLength, QObject *parent)
    : QStyledItemDelegate(parent), m_maxLength(std::move(maxLength))
{
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
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
