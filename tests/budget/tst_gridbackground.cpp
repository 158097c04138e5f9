// The budget grid's background and text colour: the selector panel, the text
// colour choice and what records 14 and 15 of GColor1.Fil receive.
#include "budget/budgetgridcolours.h"
#include "budget/gridbackgroundselector.h"
#include "common/recordfile.h"
#include "components/colours.h"
#include "components/grid.h"
#include "components/gridview.h"
#include "fakes.h"
#include "windowdriver.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tq;
using namespace tq::test;

namespace {

// Each picture a flat colour, so the grid shows which one it has.
QColor pictureColour(int number)
{
    return QColor(QColor::fromHsv(number * 20, 200, 220).rgb());
}

} // namespace

class TestGridBackground : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> t;
    std::unique_ptr<QWidget> m_panel;
    Grid *m_grid = nullptr;
    BudgetGridColours *m_colours = nullptr;
    GridBackgroundSelector *m_selector = nullptr;

    RecordFile gcolor1() const { return t->gcolor1(); }

    void open(const QString &background = {}, const QString &text = {})
    {
        QVERIFY(gcolor1().writeString(14, background));
        QVERIFY(gcolor1().writeString(15, text));
        m_panel = std::make_unique<QWidget>();
        m_panel->resize(900, 600);
        m_grid = new Grid(m_panel.get());
        m_grid->setRows(51);
        m_grid->setCols(14);
        m_colours = new BudgetGridColours(t->program, *m_grid, m_panel.get());
        m_selector = new GridBackgroundSelector(*m_colours, m_panel.get());
        m_colours->load();
        m_panel->show();
    }

    // The picture behind the grid by its colour; invalid when there is none.
    QColor gridPicture() const
    {
        const QPixmap picture = static_cast<GridView *>(m_grid->tableView())->backgroundPicture();
        return picture.isNull() ? QColor() : picture.toImage().pixelColor(2, 2);
    }

    void press(int button) { clickButton(m_selector, QStringLiteral("Command16(%1)").arg(button)); }
    void click(int thumbnail)
    {
        QTest::mouseClick(findNamed(m_selector, QStringLiteral("Image3(%1)").arg(thumbnail)), Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<TestProgram>();
        for (int n : {3, 5, 7}) {
            QImage image(40, 40, QImage::Format_RGB32);
            image.fill(pictureColour(n));
            QVERIFY(image.save(t->program.folder.filePath(QStringLiteral("WP%1.jpg").arg(n)), "PNG"));
        }
    }
    void cleanup()
    {
        t->prompter.verifyAllUsed();
        m_panel.reset();
    }

    void opensWithNothingStored()
    {
        open();
        QCOMPARE(m_grid->backgroundColor(), m_grid->palette().color(QPalette::Base));
        QCOMPARE(m_grid->textColor(), QColor(Qt::black));
        QCOMPARE(m_colours->setting(),
                 QString::number(numberFromColor(m_grid->palette().color(QPalette::Base))));
        QCOMPARE(t->program.state.printFont.colour, QColor(Qt::black));
    }

    void openingMarksTheStoredPicture()
    {
        open(QStringLiteral("WP5"));
        QSignalSpy status(m_selector, &GridBackgroundSelector::statusText);
        m_selector->toggle();
        QVERIFY(m_selector->isVisible());
        QCOMPARE(status.takeFirst().at(0).toString(), QStringLiteral("Grid Background Selector"));
        QCOMPARE(m_selector->selectedThumbnail(), 4);
        QVERIFY(findNamed(m_selector, QStringLiteral("Shape2"))->isVisible());
        QVERIFY(!findNamed<QLabel>(m_selector, QStringLiteral("Image3(4)"))->pixmap().isNull());
        // A picture file that is not there leaves its thumbnail empty.
        QVERIFY(findNamed<QLabel>(m_selector, QStringLiteral("Image3(0)"))->pixmap().isNull());
        QVERIFY(!findNamed<QPushButton>(m_selector, QStringLiteral("Command16(2)"))->isEnabled());
        m_selector->toggle();
        QVERIFY(!m_selector->isVisible());
        QVERIFY(findNamed<QLabel>(m_selector, QStringLiteral("Image3(4)"))->pixmap().isNull());
    }

    void cancelBringsBackThePreviousBackground_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QColor>("pictureAfter");
        QTest::newRow("picture") << "WP3" << pictureColour(3);
        QTest::newRow("plain colour") << "255" << QColor();
    }
    void cancelBringsBackThePreviousBackground()
    {
        QFETCH(QString, stored);
        QFETCH(QColor, pictureAfter);
        open(stored);
        m_selector->toggle();
        click(4);
        QCOMPARE(gridPicture(), pictureColour(5));
        QCOMPARE(m_colours->lastClicked(), QStringLiteral("WP5"));
        press(3);
        QVERIFY(!m_selector->isVisible());
        QCOMPARE(gridPicture(), pictureAfter);
        QCOMPARE(m_colours->setting(), stored);
        QCOMPARE(m_colours->pending(), BudgetGridColours::Pending::None);
    }

    void closingTheSelectorKeepsThePreviewButStoresNothingForIt()
    {
        open(QStringLiteral("WP3"));
        m_selector->toggle();
        click(4);
        m_selector->toggle();
        QCOMPARE(gridPicture(), pictureColour(5));
        m_colours->store();
        QCOMPARE(gcolor1().readString(14), QStringLiteral("WP3"));
    }

    void chosenColourThenCancelIsNotStored()
    {
        open(QStringLiteral("WP3"));
        QSignalSpy changed(m_colours, &BudgetGridColours::changed);
        m_selector->toggle();
        t->prompter.answerColour(QColor(Qt::red));
        press(0);
        QCOMPARE(t->prompter.last().initialColour, m_grid->palette().color(QPalette::Base));
        QCOMPARE(gridPicture(), QColor());
        QCOMPARE(m_grid->backgroundColor(), QColor(Qt::red));
        QCOMPARE(m_colours->pending(), BudgetGridColours::Pending::Colour);
        QCOMPARE(changed.size(), 1);
        m_selector->toggle();
        press(3);
        QCOMPARE(m_grid->backgroundColor(), QColor(Qt::red));
        QCOMPARE(m_colours->pending(), BudgetGridColours::Pending::None);
        m_colours->store();
        QCOMPARE(gcolor1().readString(14), QStringLiteral("WP3"));
        QCOMPARE(gcolor1().readString(15), QStringLiteral("0"));
    }

    void cancelledColourDialogShowsThePictureAgain()
    {
        open(QStringLiteral("WP3"));
        m_selector->toggle();
        t->prompter.answerColour(std::nullopt);
        press(0);
        QCOMPARE(gridPicture(), pictureColour(3));
        QCOMPARE(m_colours->pending(), BudgetGridColours::Pending::None);
    }

    void choicesStoredInRecord14_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("record");
        QTest::newRow("colour") << 0 << "255";
        QTest::newRow("default") << 1 << "Default";
        QTest::newRow("picture clicked in an earlier opening") << 2 << "WP7";
    }
    void choicesStoredInRecord14()
    {
        QFETCH(int, button);
        QFETCH(QString, record);
        open(QStringLiteral("WP3"));
        m_grid->setCellBackground({2, 2, 2, 2}, Qt::yellow);
        m_selector->toggle();
        click(6);
        m_selector->toggle();
        m_selector->toggle();
        if (button == 0)
            t->prompter.answerColour(QColor(Qt::red));
        press(button);
        m_colours->store();
        QCOMPARE(gcolor1().readString(14), record);
        if (button == 2) {
            QCOMPARE(gridPicture(), pictureColour(7));
            QVERIFY(!m_grid->cellBackground(2, 2).isValid() ||
                    m_grid->cellBackground(2, 2) != QColor(Qt::yellow));
            QCOMPARE(m_grid->currentRow(), 1);
            QCOMPARE(m_grid->currentCol(), 1);
        }
        // The next opening shows what was stored; "Default" is the window colour of the day.
        open(gcolor1().readString(14));
        QCOMPARE(gridPicture().isValid(), button == 2);
        if (button == 1)
            QCOMPARE(m_grid->backgroundColor(), m_grid->palette().color(QPalette::Base));
    }

    void textColourRefusesTheBackgroundColour()
    {
        open(QStringLiteral("255"));
        QSignalSpy textColour(m_colours, &BudgetGridColours::textColourChanged);
        t->prompter.answerColour(QColor(Qt::red));
        t->prompter.answer(Button::Ok);
        m_colours->chooseTextColour();
        QCOMPARE(t->prompter.last().title, QStringLiteral("Color Conflict"));
        QCOMPARE(t->prompter.last().text,
                 QStringLiteral("Selected Color would cause a conflict with Text and Background Colors!"));
        QCOMPARE(m_grid->textColor(), QColor(Qt::black));
        t->prompter.answerColour(QColor(Qt::blue));
        m_colours->chooseTextColour();
        QCOMPARE(m_grid->textColor(), QColor(Qt::blue));
        QCOMPARE(t->program.state.printFont.colour, QColor(Qt::blue));
        QCOMPARE(textColour.size(), 1);
        m_colours->store();
        QCOMPARE(gcolor1().readString(15), QString::number(numberFromColor(Qt::blue)));
    }
};

TQ_TEST_MAIN(TestGridBackground)
#include "tst_gridbackground.moc"
