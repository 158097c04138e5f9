#pragma once
// Draws a Grid's data cells with their pictures centred and makes the
// in-place editor: a line edit limited to the column's edit mask.
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

#include <QLineEdit>

namespace tq {

class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // Answers the longest text the editor of a cell may take, 0 for no limit.
    using MaxLength = std::function<int(const QModelIndex &)>;
    GridDelegate(MaxLength maxLength, QObject *parent);

    // The editor open now, if any, and the cell it edits.
    QLineEdit *editor() const { return m_editor; }
    QModelIndex editedIndex() const { return m_editedIndex; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

Q_SIGNALS:
    void editorTextEdited(const QString &text);

private:
    MaxLength m_maxLength;
    mutable QPointer<QLineEdit> m_editor;
    mutable QPersistentModelIndex m_editedIndex;
};

} // namespace tq
