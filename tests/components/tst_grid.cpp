#include "components/grid.h"
#include "fakes.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <memory>

using namespace tq;

namespace {

// A shown grid of 10 rows and 6 columns (heading row and column included)
// next to a line edit that can take the focus away from it.
struct Shown {
    QWidget window;
    Grid *grid;
    QLineEdit *other;
    Shown()
    {
        auto *layout = new QVBoxLayout(&window);
        grid = new Grid(&window);
        grid->setObjectName(QStringLiteral("Grid1"));
        other = new QLineEdit(&window);
        layout->addWidget(grid);
        layout->addWidget(other);
        grid->setRows(10);
        grid->setCols(6);
        window.resize(640, 420);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

void click(Grid &grid, int row, int col, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers mods = {})
{
    const GridSpot spot = grid.cellSpot(row, col);
    QVERIFY(spot.widget);
    QTest::mouseClick(spot.widget, button, mods, spot.rect.center());
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Presses on one data cell, moves over another and releases there.
void drag(Grid &grid, int fromRow, int fromCol, int toRow, int toCol)
{
    const GridSpot from = grid.cellSpot(fromRow, fromCol);
    const QPoint to =
        grid.tableView()->visualRect(grid.tableView()->model()->index(toRow - 1, toCol - 1)).center();
    sendMouse(from.widget, QEvent::MouseButtonPress, from.rect.center(), Qt::LeftButton, Qt::LeftButton);
    sendMouse(from.widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(from.widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// A model built on QtCore alone, as the tools' engines keep theirs: month
// headings, editable texts, and colours as colour numbers.
class MonthModel : public QAbstractTableModel
{
public:
    QStringList texts{QStringLiteral("Rent"),
                      QStringLiteral("500.00"),
                      QStringLiteral("Food"),
                      QStringLiteral("120.00"),
                      QString(),
                      QString()};
    int rowCount(const QModelIndex & = {}) const override { return 3; }
    int columnCount(const QModelIndex & = {}) const override { return 2; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::BackgroundRole && index.row() == 1 && index.column() == 1)
            return quint32(0x00332211);
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return texts[index.row() * 2 + index.column()];
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole)
            return false;
        texts[index.row() * 2 + index.column()] = value.toString();
        Q_EMIT dataChanged(index, index);
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex &) const override
    {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return section == 0 ? QStringLiteral("Item") : QStringLiteral("Jan");
        return {};
    }
};

// Collects the regions a widget paints.
struct PaintRecorder : QObject {
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

QStringList column(const Grid &grid, int col)
{
    QStringList texts;
    for (int r = grid.fixedRows(); r < grid.rows(); ++r)
        texts << grid.text(r, col);
    return texts;
}

} // namespace

class TestGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setEffectEnabled(Qt::UI_AnimateTooltip, false); }

    void resetEmptiesDataCellsAndKeepsHeadings()
    {
        Grid grid;
        grid.setRows(5);
        grid.setCols(4);
        grid.setText(0, 2, QStringLiteral("Feb"));
        grid.setText(3, 0, QStringLiteral("6.5%"));
        grid.setText(3, 2, QStringLiteral("850.00"));
        grid.setCellBackground({1, 1, 4, 3}, Qt::red);
        grid.setRows(1);
        QCOMPARE(grid.rows(), 1);
        QCOMPARE(grid.currentRow(), -1);
        grid.setRows(5);
        QCOMPARE(grid.rows(), 5);
        QCOMPARE(grid.text(0, 2), QStringLiteral("Feb"));
        QCOMPARE(grid.text(3, 0), QString());
        QCOMPARE(grid.text(3, 2), QString());
        QVERIFY(!grid.cellBackground(3, 2).isValid());
        QCOMPARE(grid.currentRow(), 1);
        QCOMPARE(grid.currentCol(), 1);

        grid.setCols(2);
        grid.setCols(4);
        QCOMPARE(grid.text(0, 2), QString());
        grid.setRows(0);
        QCOMPARE(grid.rows(), 1);
        QCOMPARE(grid.text(42, 42), QString());
    }

    void cursorStaysOnDataCells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("fixedCols");
        QTest::addColumn<bool>("moves");
        QTest::newRow("data cell") << 4 << 3 << 1 << true;
        QTest::newRow("heading row") << 0 << 3 << 1 << false;
        QTest::newRow("heading column") << 4 << 0 << 1 << false;
        QTest::newRow("below the grid") << 10 << 3 << 1 << false;
        QTest::newRow("negative") << -1 << 3 << 1 << false;
        QTest::newRow("column 0 without fixed column") << 4 << 0 << 0 << true;
    }
    void cursorStaysOnDataCells()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, fixedCols);
        QFETCH(bool, moves);
        Grid grid;
        grid.setFixedCols(fixedCols);
        grid.setRows(10);
        grid.setCols(6);
        grid.setCurrentCell(2, 2);
        QSignalSpy moved(&grid, &Grid::cursorMoved);
        grid.setCurrentCell(row, col);
        QCOMPARE(grid.currentRow(), moves ? row : 2);
        QCOMPARE(grid.currentCol(), moves ? col : 2);
        QCOMPARE(moved.count(), moves ? 1 : 0);
    }

    void fixedCellsCannotBeSelected_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("heading row") << 0 << 3;
        QTest::newRow("heading column") << 5 << 0;
        QTest::newRow("corner") << 0 << 0;
    }
    void fixedCellsCannotBeSelected()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        Shown shown;
        Grid &grid = *shown.grid;
        grid.setCurrentCell(2, 2);
        QSignalSpy changed(&grid, &Grid::selectionChanged);
        QSignalSpy clicked(&grid, &Grid::clicked);
        click(grid, row, col);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(grid.currentRow(), 2);
        QCOMPARE(grid.currentCol(), 2);
        QCOMPARE(grid.selectedBlock(), (GridBlock{2, 2, 2, 2}));
    }

    void dragInFreeRangesKeepsClickedCellCurrent()
    {
        Shown shown;
        Grid &grid = *shown.grid;
        QSignalSpy changed(&grid, &Grid::selectionChanged);
        drag(grid, 4, 3, 6, 5);
        QCOMPARE(grid.currentRow(), 4);
        QCOMPARE(grid.currentCol(), 3);
        QCOMPARE(grid.selectionEndRow(), 6);
        QCOMPARE(grid.selectionEndCol(), 5);
        QVERIFY(changed.count() >= 1);
        drag(grid, 4, 3, 2, 1);
        QCOMPARE(grid.selectedBlock(), (GridBlock{2, 1, 4, 3}));
        QVERIFY(grid.tableView()->selectionModel()->isSelected(grid.tableView()->model()->index(1, 0)));
        QVERIFY(!grid.tableView()->selectionModel()->isSelected(grid.tableView()->model()->index(4, 0)));
        // the current cell is drawn plain inside its block
        QVERIFY(!grid.tableView()->selectionModel()->isSelected(grid.tableView()->model()->index(3, 2)));
    }

    void columnSelectionHighlightsWholeColumns()
    {
        Shown shown;
        Grid &grid = *shown.grid;
        grid.setSelectionMode(Grid::Selection::WholeColumns);
        click(grid, 3, 2);
        QCOMPARE(grid.currentRow(), 3);
        QCOMPARE(grid.currentCol(), 2);
        QCOMPARE(grid.selectedBlock(), (GridBlock{1, 2, 9, 2}));
        QCOMPARE(grid.selectionEndRow(), 9);
        QCOMPARE(grid.selectionEndCol(), 2);

        drag(grid, 3, 2, 7, 4);
        QCOMPARE(grid.currentRow(), 3);
        QCOMPARE(grid.currentCol(), 2);
        QCOMPARE(grid.selectedBlock(), (GridBlock{1, 2, 9, 4}));
        const QAbstractItemModel *model = grid.tableView()->model();
        QVERIFY(grid.tableView()->selectionModel()->isSelected(model->index(0, 3)));
        QVERIFY(grid.tableView()->selectionModel()->isSelected(model->index(8, 1)));
        QVERIFY(!grid.tableView()->selectionModel()->isSelected(model->index(0, 0)));
    }

    void shiftArrowsMoveOnlyTheOtherCorner()
    {
        Shown shown;
        Grid &grid = *shown.grid;
        click(grid, 2, 2);
        QWidget *view = grid.tableView();
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(grid.currentRow(), 2);
        QCOMPARE(grid.currentCol(), 2);
        QCOMPARE(grid.selectedBlock(), (GridBlock{2, 2, 3, 4}));
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(grid.currentCol(), 1);
        QCOMPARE(grid.selectedBlock(), (GridBlock{2, 1, 2, 1}));
        QTest::keyClick(view, Qt::Key_Left); // stops at the data cells
        QCOMPARE(grid.currentCol(), 1);
    }

    void insertAndRemoveRows()
    {
        Grid grid;
        grid.setRows(4);
        grid.setCols(4);
        for (int r = 1; r < 4; ++r)
            grid.setText(r, 1, QStringLiteral("item %1").arg(r));
        grid.insertRow(2, QStringLiteral("\tnew\t12.00\textra\tignored"));
        QCOMPARE(grid.rows(), 5);
        QCOMPARE(column(grid, 1), (QStringList{"item 1", "new", "item 2", "item 3"}));
        QCOMPARE(grid.text(2, 2), QStringLiteral("12.00"));
        QCOMPARE(grid.text(2, 3), QStringLiteral("extra"));
        grid.insertRow(5, QStringLiteral("\tlast"));
        QCOMPARE(grid.text(5, 1), QStringLiteral("last"));
        grid.insertRow(0, QStringLiteral("\tnot a heading"));
        grid.insertRow(7, QStringLiteral("\tbeyond"));
        QCOMPARE(grid.rows(), 6);

        grid.removeRow(1);
        QCOMPARE(column(grid, 1), (QStringList{"new", "item 2", "item 3", "last"}));
        grid.removeRow(0);
        grid.removeRow(5);
        QCOMPARE(grid.rows(), 5);
    }

    void editMaskLimitsTyping()
    {
        Shown shown;
        Grid &grid = *shown.grid;
        grid.setEditable(true);
        grid.setEditMask(2, QStringLiteral("&&&"));
        QSignalSpy typed(&grid, &Grid::editorTextChanged);
        QSignalSpy finished(&grid, &Grid::editFinished);
        QSignalSpy changed(&grid, &Grid::cellChanged);
        click(grid, 3, 2);
        grid.setFocus();
        QTest::keyClick(grid.tableView(), Qt::Key_A);
        QVERIFY(grid.isEditing());
        for (const char key : {'b', 'c', 'd', 'e'})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(grid.editorText(), QStringLiteral("abc"));
        QCOMPARE(typed.last().at(0).toString(), QStringLiteral("abc"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!grid.isEditing());
        QCOMPARE(grid.text(3, 2), QStringLiteral("abc"));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first(), (QList<QVariant>{3, 2}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first(), (QList<QVariant>{3, 2}));
    }

    void escapeCancelsEditWithoutFinishing()
    {
        Shown shown;
        Grid &grid = *shown.grid;
        grid.setEditable(true);
        grid.setText(3, 2, QStringLiteral("keep"));
        QSignalSpy finished(&grid, &Grid::editFinished);
        click(grid, 3, 2);
        grid.setFocus();
        QTest::keyClick(grid.tableView(), Qt::Key_X);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!grid.isEditing());
        QCOMPARE(grid.text(3, 2), QStringLiteral("keep"));
        QCOMPARE(finished.count(), 0);
    }

    void headingClickSortsAscendingThenDescending_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("ascending");
        QTest::addColumn<QStringList>("descending");
        QTest::newRow("names, blanks first, case ignored")
            << 1 << QStringList{"", "", "Apple", "banana", "pear"}
            << QStringList{"pear", "banana", "Apple", "", ""};
        QTest::newRow("amounts by value") << 2 << QStringList{"", ".50", "9.00", "10.00", "1200.00"}
                                          << QStringList{"1200.00", "10.00", "9.00", ".50", ""};
    }
    void headingClickSortsAscendingThenDescending()
    {
        QFETCH(int, col);
        QFETCH(QStringList, ascending);
        QFETCH(QStringList, descending);
        Shown shown;
        Grid &grid = *shown.grid;
        grid.setRows(6);
        grid.setSortOnHeadingClick(true);
        const QStringList names{"pear", "", "Apple", "banana", " "};
        const QStringList amounts{"10.00", "9.00", "", ".50", "1200.00"};
        for (int i = 0; i < 5; ++i)
            grid.setRowTexts(i + 1, {QString(), names[i], amounts[i]});
        QSignalSpy sorted(&grid, &Grid::sortFinished);

        click(grid, 0, col);
        QCOMPARE(column(grid, col).replaceInStrings(QStringLiteral(" "), QString()), ascending);
        const int pearRow = int(column(grid, 1).indexOf(QStringLiteral("pear"))) + 1;
        QCOMPARE(grid.text(pearRow, 2), QStringLiteral("10.00")); // rows move whole
        click(grid, 0, col);
        QCOMPARE(column(grid, col).replaceInStrings(QStringLiteral(" "), QString()), descending);
        QCOMPARE(sorted.count(), 2);
        QCOMPARE(sorted.at(0), (QList<QVariant>{col, QVariant::fromValue(Qt::AscendingOrder)}));
        QCOMPARE(sorted.at(1), (QList<QVariant>{col, QVariant::fromValue(Qt::DescendingOrder)}));
    }

    void exportWritesEveryCellWithTabsAndCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Budget2007.xls"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older and longer export file");
        old.close();

        Grid grid;
        grid.setRows(3);
        grid.setCols(3);
        grid.setRowTexts(0, {"", "Item", "Jan"});
        grid.setRowTexts(1, {"", QString::fromUtf8("Caf\u00e9"), "850.00"});
        grid.setText(0, 2, QStringLiteral("\n\rJan"));
        QVERIFY(grid.saveTabSeparated(path));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("\tItem\t Jan\r\n\tCaf\xe9\t850.00\r\n\t\t\r\n"));
    }

    void exportToMissingFolderReportsFailure()
    {
        QTemporaryDir dir;
        Grid grid;
        QVERIFY(!grid.saveTabSeparated(dir.filePath(QStringLiteral("no/such/folder/out.xls"))));
    }

    void rightButtonReleaseReachesOwner_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("data cell") << 4 << 3;
        QTest::newRow("heading") << 0 << 3;
        QTest::newRow("corner") << 0 << 0;
    }
    void rightButtonReleaseReachesOwner()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        Shown shown;
        Grid &grid = *shown.grid;
        QSignalSpy released(&grid, &Grid::mouseReleased);
        QSignalSpy clicked(&grid, &Grid::clicked);
        click(grid, row, col, Qt::RightButton);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.first().at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(grid.currentRow(), 1);
    }

    void geometryInTwips_data()
    {
        QTest::addColumn<bool>("isColumn");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("readBack");
        QTest::addColumn<int>("pixels");
        QTest::newRow("data column") << true << 2 << 1500 << 1500 << 100;
        QTest::newRow("heading column") << true << 0 << 600 << 600 << 40;
        QTest::newRow("odd width to nearest pixel") << true << 3 << 1000 << 1005 << 67;
        QTest::newRow("data row") << false << 4 << 300 << 300 << 20;
        QTest::newRow("heading row") << false << 0 << 900 << 900 << 60;
    }
    void geometryInTwips()
    {
        QFETCH(bool, isColumn);
        QFETCH(int, index);
        QFETCH(int, twips);
        QFETCH(int, readBack);
        QFETCH(int, pixels);
        Shown shown;
        Grid &grid = *shown.grid;
        if (grid.logicalDpiX() != 96 || grid.logicalDpiY() != 96)
            QSKIP("expectations are for 96 dpi");
        QTableView *view = grid.tableView();
        if (isColumn) {
            grid.setColWidth(index, twips);
            QCOMPARE(grid.colWidth(index), readBack);
            QCOMPARE(index == 0 ? view->verticalHeader()->width() : view->columnWidth(index - 1), pixels);
        } else {
            grid.setRowHeight(index, twips);
            QCOMPARE(grid.rowHeight(index), readBack);
            QCOMPARE(index == 0 ? view->horizontalHeader()->height() : view->rowHeight(index - 1), pixels);
        }
        grid.resizeTwips(6000, 4500);
        QCOMPARE(grid.widthTwips(), 6000);
        QCOMPARE(grid.heightTwips(), 4500);
    }

    void highlightModes_data()
    {
        QTest::addColumn<Grid::Highlight>("mode");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("shown");
        QTest::newRow("never") << Grid::Highlight::Never << true << false;
        QTest::newRow("always, focus elsewhere") << Grid::Highlight::Always << false << true;
        QTest::newRow("when focused, focused") << Grid::Highlight::WhenFocused << true << true;
        QTest::newRow("when focused, focus elsewhere") << Grid::Highlight::WhenFocused << false << false;
    }
    void highlightModes()
    {
        QFETCH(Grid::Highlight, mode);
        QFETCH(bool, focused);
        QFETCH(bool, shown);
        Shown window;
        Grid &grid = *window.grid;
        grid.setHighlight(mode);
        grid.setCurrentCell(2, 2);
        grid.setSelectionEnd(3, 3);
        if (focused)
            grid.setFocus();
        else
            window.other->setFocus();
        QTRY_COMPARE(grid.tableView()->hasFocus(), focused);
        const QModelIndex inBlock = grid.tableView()->model()->index(2, 2); // cell (3, 3): not current
        const QPoint probe = grid.tableView()->visualRect(inBlock).topLeft() + QPoint(4, 4);
        const QColor painted = grid.tableView()->viewport()->grab().toImage().pixelColor(probe);
        QCOMPARE(painted == grid.tableView()->palette().color(QPalette::Highlight), shown);
    }

    void scrollTipFollowsDraggedScrollBox()
    {
        Shown shown;
        Grid &grid = *shown.grid;
        grid.setRows(60);
        for (int r = 1; r < 60; ++r)
            grid.setText(r, 0, QStringLiteral("%1%").arg(r * 0.5, 0, 'f', 1));
        grid.setScrollTipProvider(
            [&grid](int row) { return QStringLiteral(" Row %1: %2 ").arg(row).arg(grid.text(row, 0)); });
        QScrollBar *bar = grid.tableView()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 12);
        bar->setSliderDown(true);
        bar->setSliderPosition(11);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral(" Row 12: 6.0% "));
        bar->setSliderDown(false);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void cellChangesAreReportedAndViewUpdatesCoalesced()
    {
        Grid grid;
        grid.setRows(30);
        grid.setCols(30);
        QSignalSpy changed(&grid, &Grid::cellChanged);
        QSignalSpy viewUpdates(grid.tableView()->model(), &QAbstractItemModel::dataChanged);
        for (int r = 1; r < 30; ++r)
            for (int c = 1; c < 30; ++c)
                grid.setText(r, c, QStringLiteral("x"));
        grid.setCurrentCell(5, 5);
        grid.setCurrentText(QStringLiteral("x")); // unchanged: no notification
        QCOMPARE(changed.count(), 29 * 29);
        QCOMPARE(viewUpdates.count(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(viewUpdates.count(), 1);
    }

    void showsAModelItDoesNotOwn()
    {
        auto model = std::make_unique<MonthModel>();
        Shown shown;
        Grid &grid = *shown.grid;
        grid.setEditable(true);
        grid.setModel(model.get());
        QCOMPARE(grid.rows(), 4);
        QCOMPARE(grid.cols(), 3);
        QCOMPARE(grid.text(0, 2), QStringLiteral("Jan"));
        QCOMPARE(grid.text(1, 0), QString());
        QCOMPARE(grid.text(2, 2), QStringLiteral("120.00"));
        QCOMPARE(grid.cellBackground(2, 2), QColor(0x11, 0x22, 0x33));
        QCOMPARE(grid.tableView()->model()->index(1, 1).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));

        QSignalSpy changed(&grid, &Grid::cellChanged);
        grid.setText(3, 1, QStringLiteral("Gas"));
        QCOMPARE(model->texts[4], QStringLiteral("Gas"));
        click(grid, 3, 2);
        grid.setFocus();
        QTest::keyClick(grid.tableView(), Qt::Key_7);
        QVERIFY(grid.isEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!grid.isEditing());
        QCOMPARE(model->texts[5], QStringLiteral("7"));
        QCOMPARE(changed.count(), 2);

        model.reset(); // the grid falls back on its own texts
        QVERIFY(grid.ownsModel());
        QCOMPARE(grid.model(), grid.tableView()->model());
    }

    void oneCellChangeRepaintsOneCell_data()
    {
        QTest::addColumn<bool>("ownTexts");
        QTest::newRow("own texts") << true;
        QTest::newRow("model of its own") << false;
    }

    void oneCellChangeRepaintsOneCell()
    {
        QFETCH(bool, ownTexts);
        MonthModel model;
        Shown shown;
        if (!ownTexts)
            shown.grid->setModel(&model);
        QTableView *view = shown.grid->tableView();
        PaintRecorder recorder;
        view->viewport()->installEventFilter(&recorder);
        view->viewport()->update();
        QTRY_VERIFY(!recorder.painted.isEmpty());
        QTest::qWait(50);
        recorder.painted = {};
        shown.grid->setText(2, 2, QStringLiteral("99.00"));
        QTRY_VERIFY(!recorder.painted.isEmpty());
        QCOMPARE(recorder.painted.boundingRect(), view->visualRect(view->model()->index(1, 1)));
    }

    // Cells are drawn as the style draws them, whatever their alignment,
    // colours, selection and focus, and text too long for one line.
    void cellsLookAsTheStyleDrawsThem()
    {
        Shown shown;
        Grid &grid = *shown.grid;
        grid.setColAlignment(2, Qt::AlignCenter);
        grid.setColAlignment(3, Qt::AlignLeft | Qt::AlignTop);
        grid.setRowTexts(1, {QStringLiteral("Rent"), QStringLiteral("-10845.00"), QStringLiteral("Centred"),
                             QStringLiteral("Top left"), QString()});
        grid.setRowTexts(2, {QStringLiteral("Automobile Insurance Payment"), QStringLiteral("957.00"),
                             QStringLiteral("Two\nlines"), QStringLiteral("x")});
        grid.setCellBackground(GridBlock{3, 1, 4, 2}, QColor(255, 255, 0));
        grid.setTextColor(QColor(128, 0, 0));
        grid.setRowTexts(3, {QStringLiteral("Coloured"), QStringLiteral("12.50")});
        grid.setRowTexts(5, {QStringLiteral("Selected"), QStringLiteral("1.00"), QStringLiteral("2.00")});
        grid.setRowTexts(6, {QStringLiteral("Also"), QStringLiteral("3.00"), QStringLiteral("4.00")});
        grid.setCurrentCell(5, 1);
        grid.setSelectionEnd(6, 3);
        grid.setFocus();
        QTRY_VERIFY(grid.tableView()->hasFocus());

        QTableView *view = grid.tableView();
        const QImage drawn = view->viewport()->grab().toImage();
        QStyledItemDelegate styled;
        QAbstractItemDelegate *own = view->itemDelegate();
        view->setItemDelegate(&styled);
        const QImage byStyle = view->viewport()->grab().toImage();
        view->setItemDelegate(own);
        QCOMPARE(drawn, byStyle);
    }

    void lineBreaksShowAsSeveralLines()
    {
        Grid grid;
        grid.setText(0, 1, QStringLiteral("\n\r10 Years"));
        grid.setText(1, 1, QStringLiteral("Monthly\r\nPayment\rdue"));
        QCOMPARE(grid.text(0, 1), QStringLiteral("\n\r10 Years"));
        const QAbstractItemModel *model = grid.tableView()->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("\n10 Years"));
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Monthly\nPayment\ndue"));
    }
};

TQ_TEST_MAIN(TestGrid)
#include "tst_grid.moc"
