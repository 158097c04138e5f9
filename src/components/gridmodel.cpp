#include "components/gridmodel.h"

#include "common/numberformat.h"

#include <QBrush>
#include <algorithm>

namespace tq {

namespace {

const QString emptyText;

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.isSpace(); });
}

void extendRange(int &first, int &last, int value)
{
    if (first < 0 || value < first)
        first = value;
    if (value > last)
        last = value;
}

// Sort key of one row: empty texts, then numbers, then other texts.
struct SortKey {
    int kind = 0;
    double number = 0;
    QString text;
    int row = 0;
};

bool keyLess(const SortKey &a, const SortKey &b)
{
    if (a.kind != b.kind)
        return a.kind < b.kind;
    if (a.kind == 1)
        return a.number < b.number;
    if (a.kind == 2)
        return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
    return false;
}

} // namespace

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent), m_cells(size_t(m_rows * m_cols))
{
    resizeAlignments();
}

bool GridModel::isDataCell(int row, int col) const
{
    return isInside(row, col) && row >= m_fixedRows && col >= m_fixedCols;
}

void GridModel::setRows(int rows)
{
    rows = std::max(rows, m_fixedRows);
    if (rows == m_rows)
        return;
    flushChanges();
    const bool shrinking = rows < m_rows;
    if (shrinking)
        beginRemoveRows({}, rows - m_fixedRows, m_rows - m_fixedRows - 1);
    else
        beginInsertRows({}, m_rows - m_fixedRows, rows - m_fixedRows - 1);
    m_cells.resize(size_t(rows) * size_t(m_cols));
    m_rows = rows;
    if (shrinking)
        endRemoveRows();
    else
        endInsertRows();
}

void GridModel::setCols(int cols)
{
    cols = std::max(cols, m_fixedCols);
    if (cols == m_cols)
        return;
    flushChanges();
    const bool shrinking = cols < m_cols;
    if (shrinking)
        beginRemoveColumns({}, cols - m_fixedCols, m_cols - m_fixedCols - 1);
    else
        beginInsertColumns({}, m_cols - m_fixedCols, cols - m_fixedCols - 1);
    std::vector<Cell> cells(size_t(m_rows) * size_t(cols));
    const int kept = std::min(cols, m_cols);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < kept; ++c)
            cells[size_t(r) * size_t(cols) + size_t(c)] = std::move(cell(r, c));
    m_cells = std::move(cells);
    m_cols = cols;
    resizeAlignments();
    if (shrinking)
        endRemoveColumns();
    else
        endInsertColumns();
}

void GridModel::setFixedRows(int count)
{
    count = std::clamp(count, 0, 1);
    if (count == m_fixedRows)
        return;
    beginResetModel();
    m_fixedRows = count;
    if (m_rows < count) {
        m_rows = count;
        m_cells.resize(size_t(m_rows) * size_t(m_cols));
    }
    m_dirty = {};
    endResetModel();
}

void GridModel::setFixedCols(int count)
{
    count = std::clamp(count, 0, 1);
    if (count == m_fixedCols)
        return;
    beginResetModel();
    m_fixedCols = count;
    if (m_cols < count) {
        std::vector<Cell> cells(size_t(m_rows) * size_t(count));
        m_cells = std::move(cells);
        m_cols = count;
        resizeAlignments();
    }
    m_dirty = {};
    endResetModel();
}

const QString &GridModel::text(int row, int col) const
{
    return isInside(row, col) ? cell(row, col).text : emptyText;
}

bool GridModel::setText(int row, int col, const QString &text)
{
    if (!isInside(row, col))
        return false;
    QString &stored = cell(row, col).text;
    if (stored == text)
        return false;
    stored = text;
    markChanged(row, col);
    return true;
}

bool GridModel::insertGridRow(int row, const QStringList &texts)
{
    if (row < m_fixedRows || row > m_rows)
        return false;
    flushChanges();
    beginInsertRows({}, row - m_fixedRows, row - m_fixedRows);
    const auto at = m_cells.begin() + std::ptrdiff_t(row) * m_cols;
    std::vector<Cell> fresh(static_cast<size_t>(m_cols));
    m_cells.insert(at, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    ++m_rows;
    for (int c = 0; c < std::min<int>(m_cols, int(texts.size())); ++c)
        cell(row, c).text = texts[c];
    endInsertRows();
    return true;
}

bool GridModel::removeGridRow(int row)
{
    if (row < m_fixedRows || row >= m_rows)
        return false;
    flushChanges();
    beginRemoveRows({}, row - m_fixedRows, row - m_fixedRows);
    const auto at = m_cells.begin() + std::ptrdiff_t(row) * m_cols;
    m_cells.erase(at, at + m_cols);
    --m_rows;
    endRemoveRows();
    return true;
}

QColor GridModel::background(int row, int col) const
{
    return isInside(row, col) && cell(row, col).style ? cell(row, col).style->background : QColor();
}

void GridModel::setBackground(const GridBlock &block, const QColor &colour)
{
    const int top = std::max(block.top, 0), left = std::max(block.left, 0);
    const int bottom = std::min(block.bottom, m_rows - 1), right = std::min(block.right, m_cols - 1);
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c)
            changeStyle(r, c, [&colour](CellStyle &style) { style.background = colour; });
}

QPixmap GridModel::picture(int row, int col) const
{
    if (!isInside(row, col) || !cell(row, col).style)
        return {};
    return cell(row, col).style->picture;
}

void GridModel::setPicture(int row, int col, const QPixmap &picture)
{
    if (isInside(row, col))
        changeStyle(row, col, [&picture](CellStyle &style) { style.picture = picture; });
}

void GridModel::changeStyle(int row, int col, const std::function<void(CellStyle &)> &change)
{
    std::unique_ptr<CellStyle> &style = cell(row, col).style;
    if (!style)
        style = std::make_unique<CellStyle>();
    change(*style);
    if (!style->background.isValid() && style->picture.isNull())
        style.reset();
    markChanged(row, col);
}

Qt::Alignment GridModel::colAlignment(int col) const
{
    return col >= 0 && col < m_cols ? m_colAlign[size_t(col)] : Qt::Alignment();
}

void GridModel::setColAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_cols)
        return;
    m_colAlign[size_t(col)] = alignment & Qt::AlignHorizontal_Mask;
    if (m_rows > m_fixedRows && col >= m_fixedCols)
        Q_EMIT dataChanged(indexOf(m_fixedRows, col), indexOf(m_rows - 1, col), {Qt::TextAlignmentRole});
}

Qt::Alignment GridModel::fixedAlignment(int col) const
{
    return col >= 0 && col < m_cols ? m_fixedAlign[size_t(col)] : Qt::Alignment();
}

void GridModel::setFixedAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_cols)
        return;
    m_fixedAlign[size_t(col)] = alignment & Qt::AlignHorizontal_Mask;
    if (col >= m_fixedCols && m_fixedRows > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, col - m_fixedCols, col - m_fixedCols);
    if (col < m_fixedCols && m_rows > m_fixedRows)
        Q_EMIT headerDataChanged(Qt::Vertical, 0, m_rows - m_fixedRows - 1);
    if (col < m_fixedCols && m_fixedRows > 0)
        Q_EMIT cornerChanged();
}

void GridModel::sortRows(int col, Qt::SortOrder order)
{
    if (col < 0 || col >= m_cols || m_rows - m_fixedRows < 2)
        return;
    flushChanges();
    std::vector<SortKey> keys;
    keys.reserve(size_t(m_rows - m_fixedRows));
    for (int r = m_fixedRows; r < m_rows; ++r) {
        const QString &text = cell(r, col).text;
        SortKey key;
        key.row = r;
        if (isBlank(text)) {
            key.kind = 0;
        } else if (const auto number = strictNumber(text)) {
            key.kind = 1;
            key.number = *number;
        } else {
            key.kind = 2;
            key.text = text;
        }
        keys.push_back(std::move(key));
    }
    if (order == Qt::AscendingOrder)
        std::stable_sort(keys.begin(), keys.end(), keyLess);
    else
        std::stable_sort(keys.begin(), keys.end(),
                         [](const SortKey &a, const SortKey &b) { return keyLess(b, a); });

    Q_EMIT layoutAboutToBeChanged();
    std::vector<Cell> sorted(m_cells.size());
    std::move(m_cells.begin(), m_cells.begin() + std::ptrdiff_t(m_fixedRows) * m_cols, sorted.begin());
    for (size_t i = 0; i < keys.size(); ++i) {
        const auto from = m_cells.begin() + std::ptrdiff_t(keys[i].row) * m_cols;
        std::move(from, from + m_cols, sorted.begin() + std::ptrdiff_t(m_fixedRows + int(i)) * m_cols);
    }
    m_cells = std::move(sorted);
    Q_EMIT layoutChanged();
    if (m_fixedCols > 0)
        Q_EMIT headerDataChanged(Qt::Vertical, 0, m_rows - m_fixedRows - 1);
}

QModelIndex GridModel::indexOf(int row, int col) const
{
    return isDataCell(row, col) ? index(row - m_fixedRows, col - m_fixedCols) : QModelIndex();
}

QString GridModel::displayText(const QString &text)
{
    if (!text.contains(u'\r'))
        return text;
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QStringLiteral("\n\r"), QStringLiteral("\n"))
        .replace(u'\r', u'\n');
    return out;
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows - m_fixedRows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols - m_fixedCols;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    return cellData(gridRow(index), gridCol(index), role, false);
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    if (setText(gridRow(index), gridCol(index), value.toString()))
        flushChanges();
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal)
        return m_fixedRows > 0 ? cellData(0, section + m_fixedCols, role, true) : QVariant();
    return m_fixedCols > 0 ? cellData(section + m_fixedRows, 0, role, true) : QVariant();
}

QVariant GridModel::cellData(int row, int col, int role, bool fixed) const
{
    if (!isInside(row, col))
        return {};
    const Cell &c = cell(row, col);
    switch (role) {
    case Qt::DisplayRole:
        return displayText(c.text);
    case Qt::EditRole:
        return c.text;
    case Qt::TextAlignmentRole: {
        Qt::Alignment align = fixed ? m_fixedAlign[size_t(col)] : m_colAlign[size_t(col)];
        if (!(align & Qt::AlignHorizontal_Mask)) // general: numbers right, texts left
            align = strictNumber(c.text) ? Qt::AlignRight : Qt::AlignLeft;
        return int(align | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole:
        return c.style && c.style->background.isValid() ? QVariant(QBrush(c.style->background)) : QVariant();
    case PictureRole:
        return c.style && !c.style->picture.isNull() ? QVariant(c.style->picture) : QVariant();
    default:
        return {};
    }
}

void GridModel::markChanged(int row, int col)
{
    if (row < m_fixedRows && col < m_fixedCols) {
        Q_EMIT cornerChanged();
        return;
    }
    if (row < m_fixedRows) {
        extendRange(m_dirtyColHeadFirst, m_dirtyColHeadLast, col - m_fixedCols);
    } else if (col < m_fixedCols) {
        extendRange(m_dirtyRowHeadFirst, m_dirtyRowHeadLast, row - m_fixedRows);
    } else if (!m_dirty.isValid()) {
        m_dirty = {row, col, row, col};
    } else {
        m_dirty.top = std::min(m_dirty.top, row);
        m_dirty.bottom = std::max(m_dirty.bottom, row);
        m_dirty.left = std::min(m_dirty.left, col);
        m_dirty.right = std::max(m_dirty.right, col);
    }
    scheduleFlush();
}

void GridModel::scheduleFlush()
{
    if (m_flushQueued)
        return;
    m_flushQueued = true;
    QMetaObject::invokeMethod(
        this, [this] { flushChanges(); }, Qt::QueuedConnection);
}

void GridModel::flushChanges()
{
    m_flushQueued = false;
    if (m_dirty.isValid()) {
        const GridBlock d = m_dirty;
        m_dirty = {};
        const QModelIndex topLeft = indexOf(d.top, d.left);
        const QModelIndex bottomRight =
            indexOf(std::min(d.bottom, m_rows - 1), std::min(d.right, m_cols - 1));
        if (topLeft.isValid() && bottomRight.isValid())
            Q_EMIT dataChanged(topLeft, bottomRight);
    }
    const int colHeadFirst = m_dirtyColHeadFirst,
              colHeadLast = std::min(m_dirtyColHeadLast, m_cols - m_fixedCols - 1);
    m_dirtyColHeadFirst = m_dirtyColHeadLast = -1;
    if (colHeadFirst >= 0 && colHeadFirst <= colHeadLast)
        Q_EMIT headerDataChanged(Qt::Horizontal, colHeadFirst, colHeadLast);
    const int rowHeadFirst = m_dirtyRowHeadFirst,
              rowHeadLast = std::min(m_dirtyRowHeadLast, m_rows - m_fixedRows - 1);
    m_dirtyRowHeadFirst = m_dirtyRowHeadLast = -1;
    if (rowHeadFirst >= 0 && rowHeadFirst <= rowHeadLast)
        Q_EMIT headerDataChanged(Qt::Vertical, rowHeadFirst, rowHeadLast);
}

void GridModel::resizeAlignments()
{
    m_colAlign.resize(size_t(m_cols), Qt::Alignment());
    m_fixedAlign.resize(size_t(m_cols), Qt::AlignHCenter);
}

} // namespace tq
