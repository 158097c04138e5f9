#pragma once
// The table view inside a Grid. It keeps the grid's cursor (the current cell,
// which is also the anchor of the highlighted block) and the other corner of
// the block itself, so that dragging moves only the far corner and the
// clicked cell stays current, in free-range and in whole-column selection.
#include "components/gridcells.h"
#include "components/gridtypes.h"

#include <QPixmap>
#include <QTableView>
#include <functional>
#include <unordered_map>

namespace tq {

class GridCorner;
class GridDelegate;
class GridHeader;
class GridModel;

class GridView : public QTableView
{
    Q_OBJECT
public:
    // Shows the grid's own string model until showModel() is given another.
    GridView(GridModel &own, QWidget *parent);

    const GridCells &cells() const { return m_cells; }
    // `own` is the grid's string model when it is the one shown, else null.
    void showModel(QAbstractItemModel *model, const GridModel *own);
    // Counts the fixed heading row and column anew; `change` adapts the model.
    void setFixed(int rows, int cols, const std::function<void()> &change);
    GridHeader *colHeader() const { return m_colHeader; }
    GridHeader *rowHeader() const { return m_rowHeader; }
    GridCorner *corner() const { return m_corner; }

    int cursorRow() const { return m_row; }
    int cursorCol() const { return m_col; }
    int endRow() const;
    int endCol() const { return m_endCol; }
    GridBlock block() const;
    // Both return false and change nothing outside the data cells.
    bool moveCursorTo(int row, int col);
    bool setBlockEnd(int row, int col);
    void selectWholeRow(int row);
    // Runs a change of the model's shape (rows, columns, order) and then keeps
    // the cursor inside the data cells, without cursor or block notifications.
    void changeShape(const std::function<void()> &change);

    GridSelection selectionKind() const { return m_selection; }
    void setSelectionKind(GridSelection kind);
    GridHighlight highlight() const { return m_highlight; }
    void setHighlight(GridHighlight mode);
    bool isHighlightShown() const;

    void setEditMask(int col, const QString &mask);
    QString editMask(int col) const;
    bool isEditing() const;
    QString editorText() const;

    QPixmap backgroundPicture() const { return m_picture; }
    void setBackgroundPicture(const QPixmap &picture);
    void setScrollTipProvider(std::function<QString(int row)> provider)
    {
        m_tipProvider = std::move(provider);
    }
    // Heading row height and heading column width in pixels.
    void setHeadingThickness(Qt::Orientation orientation, int pixels);
    void setRowsFollowFont(bool follow);

    GridSpot spot(int row, int col);
    // Typing in a grid that is not editable does not jump to a matching cell.
    void keyboardSearch(const QString &) override {}

Q_SIGNALS:
    void gridClicked();
    void cellClicked(); // a left click on the data cells, not on a heading
    void gridDoubleClicked();
    void buttonReleased(Qt::MouseButton button);
    void keyReleased(int key);
    void cursorMoved();
    void blockChanged();
    void editorTextEdited(const QString &text);
    void editFinished(int row, int col);
    // The editor changed a cell's text.
    void cellEdited(int row, int col);
    // A heading of the fixed row was clicked (grid column).
    void headingClicked(int col);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    int rowPixels() const;
    void fitRowsToFont();
    bool hasDataCells() const;
    void shapeChanged();
    void setState(int row, int col, int endRow, int endCol, bool notify);
    void syncSelectionModel();
    bool navigate(QKeyEvent *event);
    QModelIndex indexNear(QPoint pos);
    void showScrollTip(int value);
    void connectHeadings();

    GridCells m_cells;
    GridHeader *m_colHeader;
    GridHeader *m_rowHeader;
    GridCorner *m_corner = nullptr;
    GridDelegate *m_delegate = nullptr;
    std::unordered_map<int, QString> m_editMasks;
    std::function<QString(int)> m_tipProvider;
    QPixmap m_picture;
    QPixmap m_scaledPicture;

    int m_row = -1, m_col = -1, m_endRow = -1, m_endCol = -1;
    GridSelection m_selection = GridSelection::FreeRanges;
    GridHighlight m_highlight = GridHighlight::Always;
    bool m_syncing = false;
    bool m_rowsFollowFont = false;
    bool m_leftPressed = false;
    bool m_dragging = false;
    int m_editedRow = -1, m_editedCol = -1;
};

} // namespace tq
