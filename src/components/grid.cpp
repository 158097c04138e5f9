#include "components/grid.h"

#include "common/recordfile.h"
#include "common/safefile.h"
#include "common/twips.h"
#include "components/gridheader.h"
#include "components/gridmodel.h"
#include "components/gridproxy.h"
#include "components/gridview.h"

#include <QBrush>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

namespace tq {

Grid::Grid(QWidget *parent)
    : QWidget(parent), m_model(new GridModel(this)), m_view(new GridView(*m_model, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    connect(m_view, &GridView::gridClicked, this, &Grid::clicked);
    connect(m_view, &GridView::cellClicked, this, &Grid::cellClicked);
    connect(m_view, &GridView::gridDoubleClicked, this, &Grid::doubleClicked);
    connect(m_view, &GridView::blockChanged, this, &Grid::selectionChanged);
    connect(m_view, &GridView::cursorMoved, this, &Grid::cursorMoved);
    connect(m_view, &GridView::keyReleased, this, &Grid::keyReleased);
    connect(m_view, &GridView::buttonReleased, this, &Grid::mouseReleased);
    connect(m_view, &GridView::editorTextEdited, this, &Grid::editorTextChanged);
    connect(m_view, &GridView::editFinished, this, &Grid::editFinished);
    connect(m_view, &GridView::headingClicked, this, &Grid::sortByHeading);
    connect(m_view, &GridView::cellEdited, this, &Grid::cellChanged);
}

Grid::~Grid() = default;

void Grid::setModel(QAbstractItemModel *model)
{
    if (model == m_source)
        return;
    // The view lets go of the old proxy before it goes.
    std::unique_ptr<GridProxy> old(m_proxy);
    m_proxy = nullptr;
    m_source = model;
    if (model) {
        m_proxy = new GridProxy(this);
        m_proxy->setSourceModel(model);
        connect(model, &QObject::destroyed, this, [this, model] {
            if (m_source == model)
                setModel(nullptr);
        });
    }
    m_view->showModel(m_proxy ? static_cast<QAbstractItemModel *>(m_proxy) : m_model,
                      model ? nullptr : m_model);
}

QAbstractItemModel *Grid::model() const
{
    return m_source ? m_source : m_model;
}

bool Grid::ownsModel() const
{
    return !m_source;
}

int Grid::rows() const
{
    return m_view->cells().rows();
}

void Grid::setRows(int rows)
{
    if (ownsModel())
        m_view->changeShape([&] { m_model->setRows(rows); });
}

int Grid::cols() const
{
    return m_view->cells().cols();
}

void Grid::setCols(int cols)
{
    if (ownsModel())
        m_view->changeShape([&] { m_model->setCols(cols); });
}

int Grid::fixedRows() const
{
    return m_view->cells().fixedRows;
}

void Grid::setFixedRows(int count)
{
    count = std::clamp(count, 0, 1);
    m_view->setFixed(count, fixedCols(), [&] { m_model->setFixedRows(count); });
    m_view->horizontalHeader()->setVisible(count > 0);
}

int Grid::fixedCols() const
{
    return m_view->cells().fixedCols;
}

void Grid::setFixedCols(int count)
{
    count = std::clamp(count, 0, 1);
    m_view->setFixed(fixedRows(), count, [&] { m_model->setFixedCols(count); });
    m_view->verticalHeader()->setVisible(count > 0);
}

QString Grid::text(int row, int col) const
{
    return ownsModel() ? m_model->text(row, col) : m_view->cells().text(row, col);
}

void Grid::setText(int row, int col, const QString &text)
{
    if (ownsModel() ? m_model->setText(row, col, text) : setSourceText(row, col, text))
        Q_EMIT cellChanged(row, col);
}

bool Grid::setSourceText(int row, int col, const QString &text)
{
    const GridCells &cells = m_view->cells();
    if (!cells.isInside(row, col) || cells.text(row, col) == text)
        return false;
    if (row < fixedRows())
        return m_proxy->setHeaderData(col - fixedCols(), Qt::Horizontal, text, Qt::EditRole);
    if (col < fixedCols())
        return m_proxy->setHeaderData(row - fixedRows(), Qt::Vertical, text, Qt::EditRole);
    return m_proxy->setData(cells.indexOf(row, col), text, Qt::EditRole);
}

void Grid::setRowTexts(int row, const QStringList &texts, int firstCol)
{
    for (int i = 0; i < texts.size(); ++i)
        setText(row, firstCol + i, texts[i]);
}

int Grid::currentRow() const
{
    return m_view->cursorRow();
}

void Grid::setCurrentRow(int row)
{
    m_view->moveCursorTo(row, m_view->cursorCol());
}

int Grid::currentCol() const
{
    return m_view->cursorCol();
}

void Grid::setCurrentCol(int col)
{
    m_view->moveCursorTo(m_view->cursorRow(), col);
}

void Grid::setCurrentCell(int row, int col)
{
    m_view->moveCursorTo(row, col);
}

QString Grid::currentText() const
{
    return text(currentRow(), currentCol());
}

void Grid::setCurrentText(const QString &text)
{
    setText(currentRow(), currentCol(), text);
}

void Grid::insertRow(int index, const QString &tabSeparatedTexts)
{
    const QStringList texts = tabSeparatedTexts.split(u'\t');
    if (ownsModel()) {
        m_view->changeShape([&] { m_model->insertGridRow(index, texts); });
        return;
    }
    if (index < fixedRows() || index > rows())
        return;
    m_view->changeShape([&] { m_proxy->insertRows(index - fixedRows(), 1); });
    for (int c = fixedCols(); c < std::min<int>(cols(), int(texts.size())); ++c)
        setSourceText(index, c, texts[c]);
}

void Grid::removeRow(int index)
{
    if (ownsModel())
        m_view->changeShape([&] { m_model->removeGridRow(index); });
    else if (index >= fixedRows() && index < rows())
        m_view->changeShape([&] { m_proxy->removeRows(index - fixedRows(), 1); });
}

int Grid::selectionEndRow() const
{
    return m_view->endRow();
}

int Grid::selectionEndCol() const
{
    return m_view->endCol();
}

void Grid::setSelectionEnd(int row, int col)
{
    m_view->setBlockEnd(row, col);
}

GridBlock Grid::selectedBlock() const
{
    return m_view->block();
}

GridBlock Grid::highlightedBlock() const
{
    const GridBlock block = selectedBlock();
    if (block.isValid())
        return block;
    return {fixedRows(), fixedCols(), fixedRows(), fixedCols()};
}

Grid::Selection Grid::selectionMode() const
{
    return m_view->selectionKind();
}

void Grid::setSelectionMode(Selection mode)
{
    m_view->setSelectionKind(mode);
}

void Grid::selectRow(int row)
{
    m_view->selectWholeRow(row);
}

Grid::Highlight Grid::highlight() const
{
    return m_view->highlight();
}

void Grid::setHighlight(Highlight mode)
{
    m_view->setHighlight(mode);
}

double Grid::dpiX() const
{
    return logicalDpiX();
}

double Grid::dpiY() const
{
    return logicalDpiY();
}

int Grid::colWidth(int col) const
{
    if (col < 0 || col >= cols())
        return 0;
    const int pixels =
        col < fixedCols() ? m_view->rowHeader()->thickness() : m_view->columnWidth(col - fixedCols());
    return int(std::lround(pixelsToTwips(pixels, dpiX())));
}

void Grid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols())
        return;
    const int pixels = std::max(0, twipsToPixels(twips, dpiX()));
    if (col < fixedCols())
        m_view->setHeadingThickness(Qt::Vertical, pixels);
    else
        m_view->setColumnWidth(col - fixedCols(), pixels);
}

int Grid::rowHeight(int row) const
{
    if (row < 0 || row >= rows())
        return 0;
    const int pixels =
        row < fixedRows() ? m_view->colHeader()->thickness() : m_view->rowHeight(row - fixedRows());
    return int(std::lround(pixelsToTwips(pixels, dpiY())));
}

void Grid::setRowHeight(int row, int twips)
{
    if (row < 0 || row >= rows())
        return;
    const int pixels = std::max(0, twipsToPixels(twips, dpiY()));
    if (row < fixedRows())
        m_view->setHeadingThickness(Qt::Horizontal, pixels);
    else
        m_view->setRowHeight(row - fixedRows(), pixels);
}

void Grid::setRowsFollowFont(bool follow)
{
    m_view->setRowsFollowFont(follow);
}

int Grid::cellTextRoom(int col) const
{
    if (col < fixedCols() || col >= cols())
        return 0;
    const int margin = m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    return m_view->columnWidth(col - fixedCols()) - 2 * margin - (m_view->showGrid() ? 1 : 0);
}

int Grid::widthTwips() const
{
    return int(std::lround(pixelsToTwips(width(), dpiX())));
}

int Grid::heightTwips() const
{
    return int(std::lround(pixelsToTwips(height(), dpiY())));
}

void Grid::resizeTwips(int width, int height)
{
    resize(twipsToPixels(width, dpiX()), twipsToPixels(height, dpiY()));
}

void Grid::setColAlignment(int col, Qt::Alignment alignment)
{
    m_model->setColAlignment(col, alignment);
}

Qt::Alignment Grid::colAlignment(int col) const
{
    return m_model->colAlignment(col);
}

void Grid::setFixedAlignment(int col, Qt::Alignment alignment)
{
    m_model->setFixedAlignment(col, alignment);
}

Qt::Alignment Grid::fixedAlignment(int col) const
{
    return m_model->fixedAlignment(col);
}

void Grid::setCellPicture(int row, int col, const QPixmap &picture)
{
    m_model->setPicture(row, col, picture);
}

QPixmap Grid::cellPicture(int row, int col) const
{
    return ownsModel() ? m_model->picture(row, col)
                       : m_view->cells().data(row, col, GridPictureRole).value<QPixmap>();
}

QColor Grid::backgroundColor() const
{
    return m_view->palette().color(QPalette::Base);
}

void Grid::setBackgroundColor(const QColor &colour)
{
    QPalette pal = m_view->palette();
    pal.setColor(QPalette::Base, colour);
    m_view->setPalette(pal);
}

void Grid::setCellBackground(const GridBlock &block, const QColor &colour)
{
    m_model->setBackground(block, colour);
}

QColor Grid::cellBackground(int row, int col) const
{
    if (ownsModel())
        return m_model->background(row, col);
    return GridProxy::brushFor(m_view->cells().data(row, col, Qt::BackgroundRole)).value<QBrush>().color();
}

void Grid::setBackgroundPicture(const QPixmap &picture)
{
    m_view->setBackgroundPicture(picture);
}

bool Grid::hasBackgroundPicture() const
{
    return !m_view->backgroundPicture().isNull();
}

QPixmap Grid::backgroundPicture() const
{
    return m_view->backgroundPicture();
}

QColor Grid::textColor() const
{
    return m_view->palette().color(QPalette::Text);
}

void Grid::setTextColor(const QColor &colour)
{
    QPalette pal = m_view->palette();
    pal.setColor(QPalette::Text, colour);
    m_view->setPalette(pal);
}

QString Grid::fontName() const
{
    return m_view->font().family();
}

Grid::ScrollBars Grid::scrollBars() const
{
    return m_scrollBars;
}

void Grid::setScrollBars(ScrollBars bars)
{
    m_scrollBars = bars;
    const bool horizontal = bars == ScrollBars::Horizontal || bars == ScrollBars::Both;
    const bool vertical = bars == ScrollBars::Vertical || bars == ScrollBars::Both;
    m_view->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

bool Grid::isEditable() const
{
    return m_editable;
}

void Grid::setEditable(bool editable)
{
    m_editable = editable;
    m_model->setEditable(editable);
    m_view->setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                           QAbstractItemView::AnyKeyPressed
                                     : QAbstractItemView::NoEditTriggers);
}

void Grid::setEditMask(int col, const QString &mask)
{
    m_view->setEditMask(col, mask);
}

QString Grid::editMask(int col) const
{
    return m_view->editMask(col);
}

bool Grid::isEditing() const
{
    return m_view->isEditing();
}

QString Grid::editorText() const
{
    return m_view->editorText();
}

bool Grid::sortsOnHeadingClick() const
{
    return m_sortOnHeadingClick;
}

void Grid::setSortOnHeadingClick(bool enabled)
{
    m_sortOnHeadingClick = enabled;
}

void Grid::sort(int col, Qt::SortOrder order)
{
    if (ownsModel())
        m_view->changeShape([&] { m_model->sortRows(col, order); });
    else if (col >= fixedCols() && col < cols())
        m_view->changeShape([&] { m_proxy->sort(col - fixedCols(), order); });
}

void Grid::sortByHeading(int col)
{
    if (!m_sortOnHeadingClick)
        return;
    const bool again = col == m_lastSortCol && m_lastSortOrder == Qt::AscendingOrder;
    const Qt::SortOrder order = again ? Qt::DescendingOrder : Qt::AscendingOrder;
    sort(col, order);
    m_lastSortCol = col;
    m_lastSortOrder = order;
    Q_EMIT sortFinished(col, order);
}

QString Grid::tabSeparatedText() const
{
    QString out;
    for (int r = 0; r < rows(); ++r) {
        for (int c = 0; c < cols(); ++c) {
            if (c > 0)
                out += u'\t';
            // One line per row: breaks and tabs inside a cell become spaces.
            QString cellText = GridModel::displayText(text(r, c));
            out += cellText.replace(u'\n', u' ').replace(u'\t', u' ');
        }
        out += u"\r\n";
    }
    return out;
}

bool Grid::saveTabSeparated(const QString &path) const
{
    return writeFileAtomically(path, RecordFile::encodeText(tabSeparatedText()));
}

void Grid::setScrollTipProvider(ScrollTipProvider provider)
{
    m_view->setScrollTipProvider(std::move(provider));
}

QTableView *Grid::tableView() const
{
    return m_view;
}

GridSpot Grid::cellSpot(int row, int col) const
{
    return m_view->spot(row, col);
}

void Grid::setAccessibleTableName(const QString &name)
{
    m_view->setAccessibleName(name);
}

} // namespace tq
