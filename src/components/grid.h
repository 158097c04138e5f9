#pragma once
// Grid: the table the tools show their figures in (budget grid, item totals,
// loan payments and amortization, actuarial values).
//
// Coordinates. Cells are addressed (row, col) from 0, fixed cells included.
// By default row 0 is the fixed heading row and column 0 the fixed heading
// column; they stay visible while the rest scrolls, can hold texts and
// pictures like any cell, but are never selected, edited or made current.
// setFixedCols(0) gives a grid whose column 0 is an ordinary data column.
//
// Shape. setRows(n)/setCols(n) count the fixed row and column too. Shrinking
// drops the cells beyond the new size; growing adds empty, uncoloured cells,
// so setRows(1) followed by setRows(n) empties every data row and keeps row 0.
// Column widths and row heights of surviving rows and columns are kept.
//
// Cursor and highlighted block. The current cell (currentRow/currentCol) is
// one corner of the highlighted block; selectionEndRow/selectionEndCol is the
// other. A mouse drag or Shift+arrow moves only the other corner, so the cell
// first clicked stays current. In WholeColumns selection a click highlights
// every data row of the clicked column and dragging extends over neighbouring
// columns; selectionEndRow() is then the last row and selectedBlock() spans
// all data rows. Use selectedBlock() when copying or printing the block.
//
// Notifications. cursorMoved and selectionChanged follow the user's clicks and
// keys and the program's setCurrent*/setSelectionEnd/selectRow calls. Changes
// of shape (setRows, setCols, insertRow, removeRow, sorting) keep the cursor
// inside the grid silently. cellChanged follows every change of a cell's text
// by the user's editor or by setText/setCurrentText/setRowTexts, but not the
// cells that move, appear or vanish with a change of shape.
//
// Geometry is in twips (1/1440 inch) at the widget's logical DPI. Sizes are
// kept in whole pixels, so a width reads back to the nearest pixel (at 96 dpi,
// multiples of 15 twips read back exactly).
//
// Texts whose lines are separated by "\n", "\r\n", "\n\r" or "\r" show as
// several lines; text() returns the text exactly as it was set.
//
// A model of your own. By default a grid keeps its own texts, colours and
// pictures (the calculators' tables). setModel() shows any QAbstractItemModel
// instead, which the grid neither owns nor copies:
// - its items are the data cells: (row, col) is the item (row - fixedRows(),
//   col - fixedCols()); its horizontal header sections are the heading row
//   and its vertical ones the heading column (answer an empty QVariant in
//   headerData() for a blank heading: the base class answers numbers). Cell
//   (0, 0) stays blank. Fixed counts are the grid's: setFixedRows/Cols.
// - roles: Qt::EditRole (text(), falling back to Qt::DisplayRole) and
//   Qt::DisplayRole; Qt::TextAlignmentRole (when the model answers none,
//   numbers go right and other texts left, headings centred);
//   Qt::BackgroundRole and Qt::ForegroundRole as a QColor or QBrush, or, for a
//   model built on QtCore alone, as a colour number (0x00BBGGRR, system
//   colours with the top bit set) in an int or uint; GridPictureRole a QPixmap.
// - setData(Qt::EditRole) is what the in-place editor and setText() write;
//   flags() decide which cells edit (setEditable only switches the editor on).
// - shape belongs to the model: setRows/setCols do nothing; insertRow,
//   removeRow and sort call the model's insertRows, removeRows and sort.
//   Per-column alignments, cell colours and pictures set through the grid
//   apply only to its own texts; with a model of your own answer the roles.
// - changes reach the screen through the model's signals: a dataChanged of
//   one item repaints that one cell. cellChanged follows the grid's own
//   setText and the editor, not the model's other changes.
#include "components/gridtypes.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>

class QAbstractItemModel;
class QTableView;

namespace tq {

class GridModel;
class GridProxy;
class GridView;

class Grid : public QWidget
{
    Q_OBJECT
public:
    using Highlight = GridHighlight;
    using Selection = GridSelection;
    using ScrollBars = GridScrollBars;
    // Answers the tip shown while the vertical scroll box is dragged; `row`
    // is the grid row that would be at the top. An empty answer shows no tip.
    using ScrollTipProvider = std::function<QString(int row)>;

    explicit Grid(QWidget *parent = nullptr);
    ~Grid() override;

    // --- Model -------------------------------------------------------------
    // Shows `model` (not owned; null returns to the grid's own texts, as does
    // the model's destruction). See "A model of your own" above.
    void setModel(QAbstractItemModel *model);
    // The model shown: the one given to setModel, else the grid's own.
    QAbstractItemModel *model() const;
    bool ownsModel() const;

    // --- Shape -------------------------------------------------------------
    int rows() const;
    void setRows(int rows); // at least the fixed rows
    int cols() const;
    void setCols(int cols);       // at least the fixed columns
    int fixedRows() const;        // 0 or 1 (default 1)
    void setFixedRows(int count); // set before filling: it clears nothing but remaps views
    int fixedCols() const;        // 0 or 1 (default 1)
    void setFixedCols(int count);

    // --- Cells -------------------------------------------------------------
    // Any cell, fixed ones included; outside the grid text() is empty and
    // setText() does nothing.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString &text);
    // Writes texts[i] into (row, firstCol + i); extra texts are ignored.
    void setRowTexts(int row, const QStringList &texts, int firstCol = 0);

    // The current cell is always a data cell (-1 when the grid has none).
    // Setting a fixed cell or one outside the grid changes nothing.
    int currentRow() const;
    void setCurrentRow(int row);
    int currentCol() const;
    void setCurrentCol(int col);
    void setCurrentCell(int row, int col);
    QString currentText() const;
    void setCurrentText(const QString &text);

    // Inserts a row at `index` (from the first data row to rows(), which
    // appends) holding the tab-separated texts from column 0 on; the rows
    // from `index` down move one down and the grid grows by one row.
    void insertRow(int index, const QString &tabSeparatedTexts);
    // Removes a data row; the rows below move up and the grid shrinks by one.
    void removeRow(int index);

    // --- Selection ---------------------------------------------------------
    int selectionEndRow() const;
    int selectionEndCol() const;
    void setSelectionEnd(int row, int col);
    GridBlock selectedBlock() const; // normalised, data cells only; invalid when empty
    // What copies and reports take: the selected block, or the first data
    // cell when nothing is selected.
    GridBlock highlightedBlock() const;
    Selection selectionMode() const;
    void setSelectionMode(Selection mode);
    // Makes the first data cell of the row current and highlights the row.
    void selectRow(int row);
    Highlight highlight() const; // default Always
    void setHighlight(Highlight mode);

    // --- Geometry (twips) --------------------------------------------------
    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    int widthTwips() const;
    int heightTwips() const;
    void resizeTwips(int width, int height);
    // Rows and the heading row as high as the grid's font needs, again after
    // every font change (the font grows in full screen display).
    void setRowsFollowFont(bool follow);
    // Pixels a data cell's text has in `col`: the width less the text margins.
    int cellTextRoom(int col) const;

    // --- Appearance --------------------------------------------------------
    // Horizontal alignment of a column's data cells and of its fixed cells
    // (Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight); texts are always
    // centred vertically. An empty alignment (the data default) puts numbers
    // right and other texts left; fixed cells default to centred.
    void setColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment colAlignment(int col) const;
    void setFixedAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment fixedAlignment(int col) const;
    // A picture drawn centred in a cell, over its text; a null pixmap removes it.
    void setCellPicture(int row, int col, const QPixmap &picture);
    QPixmap cellPicture(int row, int col) const;
    // The colour behind every cell that has no colour of its own.
    QColor backgroundColor() const;
    void setBackgroundColor(const QColor &colour);
    // Colours the cells of a block (clipped to the grid); an invalid colour
    // gives them back the grid's background colour or picture.
    void setCellBackground(const GridBlock &block, const QColor &colour);
    QColor cellBackground(int row, int col) const;
    // A picture stretched behind the data cells, fixed while they scroll;
    // cells without a colour of their own show it. A null pixmap removes it.
    void setBackgroundPicture(const QPixmap &picture);
    bool hasBackgroundPicture() const;
    QPixmap backgroundPicture() const;
    QColor textColor() const;
    void setTextColor(const QColor &colour);
    QString fontName() const;
    ScrollBars scrollBars() const;
    void setScrollBars(ScrollBars bars); // each bar shows only when needed

    // --- Editing -----------------------------------------------------------
    // Data cells are edited in place (double-click, F2 or typing) when editable.
    bool isEditable() const;
    void setEditable(bool editable);
    // n '&' characters let the column's editor take at most n characters of
    // any kind; an empty mask removes the limit.
    void setEditMask(int col, const QString &mask);
    QString editMask(int col) const;
    bool isEditing() const;
    // The open editor's live text, or the current cell's text when none is open.
    QString editorText() const;
    // A click on a heading of the fixed row sorts the data rows by that
    // column, ascending first and descending on the next click of the same
    // heading. Off by default.
    bool sortsOnHeadingClick() const;
    void setSortOnHeadingClick(bool enabled);
    // Stable sort of the data rows (whole rows, heading column included):
    // blank texts first, then numbers by value, then texts ignoring case.
    void sort(int col, Qt::SortOrder order);

    // --- Export ------------------------------------------------------------
    // Every row and column, fixed ones included: TAB between cells, CR LF
    // after each row, 8-bit Windows-1252 text. Line breaks and tabs inside a
    // cell are written as spaces. Written atomically; false when it failed.
    bool saveTabSeparated(const QString &path) const;
    // The same text, before encoding.
    QString tabSeparatedText() const;

    // --- Scroll tip --------------------------------------------------------
    void setScrollTipProvider(ScrollTipProvider provider);

    // --- Access for windows and tests --------------------------------------
    QTableView *tableView() const;
    // Where a cell is drawn (scrolled into view first), for QTest clicks and popups.
    GridSpot cellSpot(int row, int col) const;
    // The name a screen reader announces for the table.
    void setAccessibleTableName(const QString &name);

Q_SIGNALS:
    void clicked();          // left button pressed and released anywhere in the grid
    void cellClicked();      // the same on the data cells, after clicked(); headings do not count
    void doubleClicked();    // on a data cell
    void selectionChanged(); // the highlighted block changed
    void cursorMoved();      // the current cell changed
    void keyReleased(int key);
    void mouseReleased(Qt::MouseButton button);  // any button, anywhere in the grid
    void editorTextChanged(const QString &text); // the user typed in the editor
    void editFinished(int row, int col);         // an in-place edit was committed (Esc cancels without it)
    void cellChanged(int row, int col);
    void sortFinished(int col, Qt::SortOrder order);

private:
    void sortByHeading(int col);
    bool setSourceText(int row, int col, const QString &text);
    double dpiX() const;
    double dpiY() const;

    GridModel *m_model;
    GridView *m_view;
    QAbstractItemModel *m_source = nullptr;
    GridProxy *m_proxy = nullptr;
    bool m_editable = false;
    ScrollBars m_scrollBars = ScrollBars::Both;
    bool m_sortOnHeadingClick = false;
    int m_lastSortCol = -1;
    Qt::SortOrder m_lastSortOrder = Qt::DescendingOrder;
};

} // namespace tq
