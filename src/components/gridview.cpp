#include "components/gridview.h"

#include "components/gridcorner.h"
#include "components/griddelegate.h"
#include "components/gridheader.h"
#include "components/gridmodel.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace tq {

GridView::GridView(GridModel &own, QWidget *parent)
    : QTableView(parent), m_colHeader(new GridHeader(Qt::Horizontal, this)),
      m_rowHeader(new GridHeader(Qt::Vertical, this))
{
    m_rowHeader->setDefaultSectionSize(rowPixels());
    m_colHeader->setDefaultSectionSize(64);
    m_colHeader->setThickness(rowPixels());
    m_rowHeader->setThickness(64);
    setHorizontalHeader(m_colHeader);
    setVerticalHeader(m_rowHeader);
    m_cells = {&own, own.fixedRows(), own.fixedCols()};
    setModel(&own);

    m_corner = new GridCorner(this);
    m_corner->setSource(&own);
    m_delegate = new GridDelegate(
        [this](const QModelIndex &index) { return int(editMask(m_cells.gridCol(index)).size()); }, this);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);

    // The "always" highlight must stay visible when another control has the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);

    connect(&own, &GridModel::cornerChanged, m_corner, qOverload<>(&QWidget::update));
    connect(m_delegate, &GridDelegate::editorTextEdited, this, &GridView::editorTextEdited);
    connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, &GridView::showScrollTip);
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [] { QToolTip::hideText(); });
    connectHeadings();
    shapeChanged();
}

void GridView::connectHeadings()
{
    connect(m_colHeader, &GridHeader::headingClicked, this, [this](int section) {
        Q_EMIT headingClicked(section + m_cells.fixedCols);
        Q_EMIT gridClicked();
    });
    connect(m_rowHeader, &GridHeader::headingClicked, this, &GridView::gridClicked);
    connect(m_corner, &GridCorner::clicked, this, &GridView::gridClicked);
    connect(m_colHeader, &GridHeader::mouseReleased, this, &GridView::buttonReleased);
    connect(m_rowHeader, &GridHeader::mouseReleased, this, &GridView::buttonReleased);
    connect(m_corner, &GridCorner::mouseReleased, this, &GridView::buttonReleased);
}

bool GridView::hasDataCells() const
{
    return m_cells.rows() > m_cells.fixedRows && m_cells.cols() > m_cells.fixedCols;
}

int GridView::endRow() const
{
    if (m_selection == GridSelection::WholeColumns && m_row >= 0)
        return m_cells.rows() - 1;
    return m_endRow;
}

GridBlock GridView::block() const
{
    if (m_row < 0)
        return {};
    const int left = std::min(m_col, m_endCol), right = std::max(m_col, m_endCol);
    if (m_selection == GridSelection::WholeColumns)
        return {m_cells.fixedRows, left, m_cells.rows() - 1, right};
    return {std::min(m_row, m_endRow), left, std::max(m_row, m_endRow), right};
}

bool GridView::moveCursorTo(int row, int col)
{
    if (!m_cells.isDataCell(row, col))
        return false;
    setState(row, col, row, col, true);
    return true;
}

bool GridView::setBlockEnd(int row, int col)
{
    if (m_row < 0 || !m_cells.isDataCell(row, col))
        return false;
    setState(m_row, m_col, row, col, true);
    return true;
}

void GridView::selectWholeRow(int row)
{
    if (m_cells.isDataCell(row, m_cells.fixedCols))
        setState(row, m_cells.fixedCols, row, m_cells.cols() - 1, true);
}

void GridView::changeShape(const std::function<void()> &change)
{
    const bool wasSyncing = m_syncing;
    m_syncing = true;
    change();
    m_syncing = wasSyncing;
    shapeChanged();
}

void GridView::shapeChanged()
{
    if (!hasDataCells()) {
        m_row = m_col = m_endRow = m_endCol = -1;
        syncSelectionModel();
        return;
    }
    const int firstRow = m_cells.fixedRows, lastRow = m_cells.rows() - 1;
    const int firstCol = m_cells.fixedCols, lastCol = m_cells.cols() - 1;
    if (m_row < 0)
        m_row = m_endRow = firstRow, m_col = m_endCol = firstCol;
    setState(std::clamp(m_row, firstRow, lastRow), std::clamp(m_col, firstCol, lastCol),
             std::clamp(m_endRow, firstRow, lastRow), std::clamp(m_endCol, firstCol, lastCol), false);
}

void GridView::showModel(QAbstractItemModel *model, const GridModel *own)
{
    if (isEditing())
        closeEditor(m_delegate->editor(), QAbstractItemDelegate::RevertModelCache);
    changeShape([&] {
        m_cells.model = model;
        setModel(model);
    });
    m_corner->setSource(own);
}

void GridView::setFixed(int rows, int cols, const std::function<void()> &change)
{
    changeShape([&] {
        m_cells.fixedRows = rows;
        m_cells.fixedCols = cols;
        change();
    });
}

void GridView::setSelectionKind(GridSelection kind)
{
    if (kind == m_selection)
        return;
    const GridBlock before = block();
    m_selection = kind;
    if (m_row >= 0)
        m_endRow = m_row, m_endCol = m_col;
    syncSelectionModel();
    if (block() != before)
        Q_EMIT blockChanged();
}

void GridView::setHighlight(GridHighlight mode)
{
    m_highlight = mode;
    syncSelectionModel();
}

bool GridView::isHighlightShown() const
{
    switch (m_highlight) {
    case GridHighlight::Never:
        return false;
    case GridHighlight::Always:
        return true;
    case GridHighlight::WhenFocused:
        return hasFocus() || (m_delegate->editor() && m_delegate->editor()->hasFocus());
    }
    return true;
}

void GridView::setEditMask(int col, const QString &mask)
{
    if (mask.isEmpty())
        m_editMasks.erase(col);
    else
        m_editMasks[col] = mask;
}

QString GridView::editMask(int col) const
{
    const auto found = m_editMasks.find(col);
    return found == m_editMasks.end() ? QString() : found->second;
}

bool GridView::isEditing() const
{
    return state() == QAbstractItemView::EditingState && m_delegate->editor();
}

QString GridView::editorText() const
{
    if (isEditing())
        return m_delegate->editor()->text();
    return m_cells.text(m_row, m_col);
}

void GridView::setBackgroundPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_scaledPicture = {};
    viewport()->update();
}

int GridView::rowPixels() const
{
    return fontMetrics().height() + 4;
}

void GridView::setRowsFollowFont(bool follow)
{
    m_rowsFollowFont = follow;
    if (follow)
        fitRowsToFont();
}

void GridView::fitRowsToFont()
{
    m_rowHeader->setDefaultSectionSize(rowPixels());
    setHeadingThickness(Qt::Horizontal, std::max(rowPixels(), m_colHeader->fontMetrics().height() + 4));
}

void GridView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_rowsFollowFont)
        fitRowsToFont();
}

void GridView::setHeadingThickness(Qt::Orientation orientation, int pixels)
{
    (orientation == Qt::Horizontal ? m_colHeader : m_rowHeader)->setThickness(pixels);
    updateGeometries();
    viewport()->update();
}

GridSpot GridView::spot(int row, int col)
{
    const int fixedRows = m_cells.fixedRows, fixedCols = m_cells.fixedCols;
    if (!m_cells.isInside(row, col))
        return {};
    if (row < fixedRows && col < fixedCols)
        return {m_corner, m_corner->rect()};
    if (row < fixedRows) {
        const int section = col - fixedCols;
        if (m_cells.rows() > fixedRows)
            scrollTo(m_cells.indexOf(fixedRows, col));
        return {m_colHeader->viewport(), QRect(m_colHeader->sectionViewportPosition(section), 0,
                                               m_colHeader->sectionSize(section), m_colHeader->height())};
    }
    if (col < fixedCols) {
        const int section = row - fixedRows;
        if (m_cells.cols() > fixedCols)
            scrollTo(m_cells.indexOf(row, fixedCols));
        return {m_rowHeader->viewport(), QRect(0, m_rowHeader->sectionViewportPosition(section),
                                               m_rowHeader->width(), m_rowHeader->sectionSize(section))};
    }
    const QModelIndex index = m_cells.indexOf(row, col);
    scrollTo(index);
    return {viewport(), visualRect(index)};
}

void GridView::setState(int row, int col, int endRow, int endCol, bool notify)
{
    const GridBlock before = block();
    const int oldRow = m_row, oldCol = m_col, oldEndRow = this->endRow(), oldEndCol = m_endCol;
    m_row = row, m_col = col, m_endRow = endRow, m_endCol = endCol;
    syncSelectionModel();
    if (!notify)
        return;
    if (m_row != oldRow || m_col != oldCol)
        Q_EMIT cursorMoved();
    if (block() != before || this->endRow() != oldEndRow || m_endCol != oldEndCol)
        Q_EMIT blockChanged();
}

void GridView::syncSelectionModel()
{
    QItemSelectionModel *selection = selectionModel();
    const bool wasSyncing = m_syncing;
    m_syncing = true;
    const QModelIndex current = m_cells.indexOf(m_row, m_col);
    if (current.isValid())
        selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    else
        selection->clearCurrentIndex();
    // The selection model holds the block only while it is to be seen.
    const GridBlock b = block();
    if (b.isValid() && isHighlightShown()) {
        QItemSelection cells(m_cells.indexOf(b.top, b.left), m_cells.indexOf(b.bottom, b.right));
        // In a block of several cells the current one is left plain, so the
        // user sees where the block started.
        if (b.top != b.bottom || b.left != b.right)
            cells.merge(QItemSelection(current, current), QItemSelectionModel::Deselect);
        selection->select(cells, QItemSelectionModel::ClearAndSelect);
    } else
        selection->clearSelection();
    m_syncing = wasSyncing;
}

QModelIndex GridView::indexNear(QPoint pos)
{
    const QRect area = viewport()->rect();
    pos.setX(std::clamp(pos.x(), 0, std::max(0, area.width() - 1)));
    pos.setY(std::clamp(pos.y(), 0, std::max(0, area.height() - 1)));
    int row = rowAt(pos.y()), col = columnAt(pos.x());
    if (row < 0)
        row = m_cells.model->rowCount() - 1;
    if (col < 0)
        col = m_cells.model->columnCount() - 1;
    return m_cells.model->index(row, col);
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_leftPressed = true;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return;
    const int row = m_cells.gridRow(index), col = m_cells.gridCol(index);
    if (event->modifiers() & Qt::ShiftModifier)
        setBlockEnd(row, col);
    else
        moveCursorTo(row, col);
    m_dragging = true;
}

void GridView::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint pos = event->position().toPoint();
    const QRect area = viewport()->rect();
    if (pos.y() < area.top())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (pos.y() > area.bottom())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (pos.x() < area.left())
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (pos.x() > area.right())
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const QModelIndex index = indexNear(pos);
    if (index.isValid())
        setBlockEnd(m_cells.gridRow(index), m_cells.gridCol(index));
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = m_leftPressed && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton)
        m_leftPressed = m_dragging = false;
    Q_EMIT buttonReleased(event->button());
    if (click) {
        Q_EMIT gridClicked();
        Q_EMIT cellClicked();
    }
}

void GridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return;
    moveCursorTo(m_cells.gridRow(index), m_cells.gridCol(index));
    Q_EMIT gridDoubleClicked();
    edit(index, QAbstractItemView::DoubleClicked, event);
}

bool GridView::navigate(QKeyEvent *event)
{
    if (m_row < 0)
        return false;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    int row = extend && m_selection == GridSelection::FreeRanges ? m_endRow : m_row;
    int col = extend ? m_endCol : m_col;
    const int firstRow = m_cells.fixedRows, lastRow = m_cells.rows() - 1;
    const int firstCol = m_cells.fixedCols, lastCol = m_cells.cols() - 1;
    const int page = std::max(1, rowAt(viewport()->height() - 1) - rowAt(0));
    switch (event->key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_PageUp:
        row -= page;
        break;
    case Qt::Key_PageDown:
        row += page;
        break;
    case Qt::Key_Home:
        col = firstCol;
        if (control)
            row = firstRow;
        break;
    case Qt::Key_End:
        col = lastCol;
        if (control)
            row = lastRow;
        break;
    default:
        return false;
    }
    row = std::clamp(row, firstRow, lastRow);
    col = std::clamp(col, firstCol, lastCol);
    if (extend)
        setBlockEnd(row, col);
    else
        moveCursorTo(row, col);
    scrollTo(m_cells.indexOf(row, col));
    return true;
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    if (state() != QAbstractItemView::EditingState && navigate(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::keyReleaseEvent(QKeyEvent *event)
{
    Q_EMIT keyReleased(event->key());
    QTableView::keyReleaseEvent(event);
}

void GridView::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    if (m_highlight == GridHighlight::WhenFocused)
        syncSelectionModel();
}

void GridView::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    if (m_highlight == GridHighlight::WhenFocused)
        syncSelectionModel();
}

void GridView::paintEvent(QPaintEvent *event)
{
    if (!m_picture.isNull()) {
        if (m_scaledPicture.size() != viewport()->size())
            m_scaledPicture =
                m_picture.scaled(viewport()->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter painter(viewport());
        painter.drawPixmap(0, 0, m_scaledPicture);
    }
    QTableView::paintEvent(event);
}

void GridView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    // The picture stays put while the cells move over it.
    if (!m_picture.isNull())
        viewport()->update();
}

void GridView::updateGeometries()
{
    QTableView::updateGeometries();
    if (!m_corner) // still being built
        return;
    const bool both = !m_colHeader->isHidden() && !m_rowHeader->isHidden();
    m_corner->setVisible(both);
    if (both) {
        m_corner->setGeometry(m_rowHeader->x(), m_colHeader->y(), m_rowHeader->width(),
                              m_colHeader->height());
        m_corner->raise();
    }
}

void GridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    // The base class moves the cursor itself only when an editor is left with Tab.
    if (m_syncing || !current.isValid())
        return;
    const int row = m_cells.gridRow(current), col = m_cells.gridCol(current);
    if (row != m_row || col != m_col)
        setState(row, col, row, col, true);
}

void GridView::commitData(QWidget *editor)
{
    // An editor the user never typed in (Tab opens one on the next cell) writes
    // nothing back, so the cell's entry rules do not run on it.
    if (auto *line = qobject_cast<QLineEdit *>(editor); line && !line->isModified())
        return;
    const QModelIndex edited = m_delegate->editedIndex();
    if (!edited.isValid()) {
        QTableView::commitData(editor);
        return;
    }
    const int row = m_cells.gridRow(edited), col = m_cells.gridCol(edited);
    const QString before = m_cells.text(row, col);
    QTableView::commitData(editor);
    m_editedRow = row, m_editedCol = col;
    if (m_cells.text(row, col) != before)
        Q_EMIT cellEdited(row, col);
}

void GridView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    if (m_editedRow < 0)
        return;
    const int row = m_editedRow, col = m_editedCol;
    m_editedRow = m_editedCol = -1;
    Q_EMIT editFinished(row, col);
}

void GridView::showScrollTip(int value)
{
    if (!m_tipProvider)
        return;
    const QString tip = m_tipProvider(value + m_cells.fixedRows);
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), tip, verticalScrollBar());
}

} // namespace tq
