#include "components/pageview.h"
#include "components/printdocument.h"
#include "fakes.h"
#include "frame/fontautosize.h"
#include "frame/reportpreview.h"
#include "windowdriver.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace tq;

namespace {

// A report of a title and two pages, counting its builds.
struct Report {
    int builds = 0;
    void operator()(PrintDocument &doc)
    {
        ++builds;
        doc.setIndentLeft(400);
        doc.paragraph(QStringLiteral("Home Calculator Results"));
        doc.setFontSize(doc.fontSize() - 2);
        doc.newPage();
        doc.setCurrentY(7200);
        doc.paragraph(QStringLiteral("Page Number 2"));
    }
};

template <typename W = QWidget> W *child(QWidget *parent, const QString &name)
{
    W *w = parent->findChild<W *>(name);
    if (!w)
        qWarning("no control %s", qPrintable(name));
    return w;
}

QString text(QWidget *parent, const QString &name)
{
    return child<QLabel>(parent, name)->text();
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestProgram> t;
    Report report;

    std::unique_ptr<ReportPreview> makePreview(ToolId tool = ToolId::HomeCalc)
    {
        auto preview = std::make_unique<ReportPreview>(t->program, ReportPreview::Options{tool}, nullptr);
        preview->builder = [this](PrintDocument &doc) { report(doc); };
        return preview;
    }
    void click(QWidget *preview, const QString &name) { child<QAbstractButton>(preview, name)->click(); }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<test::TestProgram>();
        report = {};
    }
    void cleanup() { t->prompter.verifyAllUsed(); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("frame 0") << "SSFrame80(0)"
                                 << "Print Range" << QRect(195, 208, 3240, 740);
        QTest::newRow("frame 1") << "SSFrame80(1)"
                                 << "Display Options" << QRect(195, 1129, 3240, 1398);
        QTest::newRow("sample") << "Frame3"
                                << "Sample" << QRect(195, 3372, 3240, 1365);
        QTest::newRow("font") << "SSCommand80(0)"
                              << "Printer &Font" << QRect(565, 4800, 2425, 390);
        QTest::newRow("setup") << "SSCommand80(1)"
                               << "&Page Setup" << QRect(565, 5230, 2425, 390);
        QTest::newRow("copy") << "SSCommand80(3)"
                              << "C&opy Current Page" << QRect(565, 5660, 2425, 390);
        QTest::newRow("print") << "SSCommand80(4)"
                               << "&Print" << QRect(565, 6045, 1190, 390);
        QTest::newRow("pdf") << "cmdSavePdf"
                             << "Save as P&DF..." << QRect(1805, 6045, 1190, 390);
        QTest::newRow("cancel") << "SSCommand80(2)"
                                << "&Cancel" << QRect(565, 6475, 2430, 400);
        QTest::newRow("auto size") << "SSCommand2"
                                   << "Auto Size" << QRect(7060, 30, 795, 230);
        QTest::newRow("enlarge") << "SSCommand1"
                                 << "Enlarge" << QRect(8060, 30, 750, 230);
        QTest::newRow("preview") << "VSPrinter1"
                                 << "" << QRect(3600, 120, 5325, 6795);
        QTest::newRow("font panel") << "Panel3D80(0)"
                                    << " Times New Roman" << QRect(1090, 2632, 2325, 329);
        QTest::newRow("size panel") << "Panel3D80(1)"
                                    << " 14" << QRect(930, 3026, 585, 329);
        QTest::newRow("range") << "SSOption81"
                               << "Print all data" << QRect();
        QTest::newRow("no guides") << "SSOption82(0)"
                                   << "Do Not Display Guide Lines" << QRect();
        QTest::newRow("guides") << "SSOption82(1)"
                                << "Display Guide Lines" << QRect();
        QTest::newRow("orientation") << "Panel3D80(2)"
                                     << " Portrait" << QRect();
        QTest::newRow("sample text") << "Panel3d82"
                                     << "AaBbYyZz" << QRect();
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        auto preview = makePreview();
        QCOMPARE(preview->objectName(), QStringLiteral("SSPanel80"));
        QCOMPARE(preview->size(), QSize(599, 465));
        QWidget *w = child(preview.get(), name);
        QVERIFY(w);
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            QCOMPARE(b->text(), caption);
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            QCOMPARE(g->title(), caption);
        else if (auto *l = qobject_cast<QLabel *>(w))
            QCOMPARE(l->text(), caption);
        if (!twips.isNull())
            QCOMPARE(w->geometry(), QRect(twips.x() / 15.0 + 0.5, twips.y() / 15.0 + 0.5,
                                          twips.width() / 15.0 + 0.5, twips.height() / 15.0 + 0.5));
    }

    void openingResetsNameSizeAndStyle()
    {
        t->program.state.printFont =
            FontChoice{QStringLiteral("Liberation Sans"), 10, true, true, true, true, Qt::red};
        auto preview = makePreview();
        QSignalSpy status(preview.get(), &ReportPreview::statusTextChanged);
        preview->open();
        QVERIFY(preview->isShown());
        const FontChoice expected{QStringLiteral("Times New Roman"), 14, false, false, true, true, Qt::red};
        QCOMPARE(t->program.state.printFont, expected);
        QCOMPARE(text(preview.get(), "Panel3D80(0)"), QStringLiteral(" Times New Roman"));
        QCOMPARE(text(preview.get(), "Panel3D80(1)"), QStringLiteral(" 14"));
        QVERIFY(child<QLabel>(preview.get(), "Panel3d82")->font().underline());
        QCOMPARE(status.first().first().toString(), QStringLiteral("Print"));

        QCOMPARE(report.builds, 1);
        const PrintDocument &doc = preview->document();
        QCOMPARE(doc.pageCount(), 2);
        const PrintItem &title = doc.pages().first().items.first();
        QCOMPARE(title.fontSize, 14.0);
        QCOMPARE(title.x, 400.0);
        QVERIFY(title.underline && !title.bold);
        QCOMPARE(preview->pageView()->currentPage(), 1);

        preview->cancel();
        QVERIFY(!preview->isShown());
        QCOMPARE(status.last().first().toString(), QString());
    }

    void fontDialog_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("cancelled") << false;
        QTest::newRow("chosen") << true;
    }
    void fontDialog()
    {
        QFETCH(bool, chosen);
        auto preview = makePreview();
        preview->open();
        const FontChoice before = t->program.state.printFont;
        const FontChoice choice{QStringLiteral("Liberation Sans"), 10, true, false, true, false, Qt::blue};
        t->prompter.answerFont(chosen ? std::optional(choice) : std::nullopt);
        click(preview.get(), "SSCommand80(0)");
        QCOMPARE(t->prompter.last().initialFont, before);
        QCOMPARE(t->program.state.printFont, chosen ? choice : before);
        QCOMPARE(report.builds, chosen ? 2 : 1);
        QCOMPARE(text(preview.get(), "Panel3D80(1)"), chosen ? QStringLiteral(" 10") : QStringLiteral(" 14"));
        const PrintItem &title = preview->document().pages().first().items.first();
        QCOMPARE(title.fontSize, chosen ? 10.0 : 14.0);
        QCOMPARE(title.colour, chosen ? QColor(Qt::blue) : before.colour);
    }

    // The size found is the largest whole point size at which the test line
    // fits; landscape paper gives a larger one.
    // Every step that repaints the preview runs no other event: a close of its
    // window queued meanwhile waits until the step is done.
    void closeQueuedDuringRepaint_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("opening") << "" << false;
        QTest::newRow("auto size") << "SSCommand2" << false;
        QTest::newRow("enlarge") << "SSCommand1" << false;
        QTest::newRow("page setup") << "SSCommand80(1)" << true;
        QTest::newRow("cancel") << "SSCommand80(2)" << false;
    }
    void closeQueuedDuringRepaint()
    {
        QFETCH(QString, button);
        QFETCH(bool, dialog);
        QPointer<QWidget> window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(800, 600);
        auto *preview = new ReportPreview(t->program, ReportPreview::Options{ToolId::HomeCalc}, window);
        preview->builder = [this](PrintDocument &doc) { report(doc); };
        window->show();
        if (!button.isEmpty())
            preview->open();
        if (dialog)
            t->prompter.answerDialog(false);
        const int builds = report.builds;
        test::queueClose(window);
        if (button.isEmpty())
            preview->open();
        else
            click(preview, button);
        QVERIFY(window);
        QCOMPARE(report.builds > builds, button != u"SSCommand1" && button != u"SSCommand80(2)");
        QTRY_VERIFY(!window);
    }

    void autoSizeOnBothOrientations()
    {
        auto preview = makePreview();
        preview->open();
        PrintDocument &doc = preview->document();
        const QString line(76, QLatin1Char('n'));
        double sizes[2] = {};
        for (int i = 0; i < 2; ++i) {
            if (i == 1) {
                doc.setOrientation(QPageLayout::Landscape);
                t->prompter.answerDialog(false); // a cancelled page setup still refreshes
                click(preview.get(), "SSCommand80(1)");
                QCOMPARE(text(preview.get(), "Panel3D80(2)"), QStringLiteral(" Landscape"));
                QCOMPARE(doc.pages().first().width, 15840.0);
            }
            click(preview.get(), "SSCommand2");
            const double size = t->program.state.printFont.pointSize;
            QCOMPARE(size, std::trunc(size));
            QCOMPARE(text(preview.get(), "Panel3D80(1)"), QLatin1Char(' ') + QString::number(size));
            QCOMPARE(doc.pages().first().items.first().fontSize, size);
            doc.setFontSize(size);
            QVERIFY(doc.textWidth(line) <= doc.printableWidth());
            doc.setFontSize(size + 1);
            QVERIFY(doc.textWidth(line) > doc.printableWidth());
            sizes[i] = size;
        }
        QVERIFY2(sizes[1] > sizes[0], qPrintable(QStringLiteral("%1 %2").arg(sizes[0]).arg(sizes[1])));
    }

    void autoSizeTakesTheWholeNumberPart()
    {
        auto preview = makePreview();
        preview->open();
        t->prompter.answerFont(FontChoice{QStringLiteral("Times New Roman"), 12.75});
        click(preview.get(), "SSCommand80(0)");
        click(preview.get(), "SSCommand2");
        const double size = t->program.state.printFont.pointSize;
        QCOMPARE(size, std::trunc(size));
        QVERIFY(size > 12);
        QCOMPARE(preview->document().pages().first().items.first().fontSize, size);
    }

    void autoSizeSearchAlwaysEnds_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("expected");
        QTest::newRow("nothing to measure keeps the size") << QString() << 14.0 << 14.0;
        QTest::newRow("never fits: stops at the smallest") << QString(5000, QLatin1Char('W')) << 14.0 << 1.0;
        QTest::newRow("always fits: stops at the largest") << QStringLiteral("n") << 14.0 << 200.0;
        QTest::newRow("fraction keeps its steps") << QString(76, QLatin1Char('n')) << 12.75 << -1.0;
    }
    void autoSizeSearchAlwaysEnds()
    {
        QFETCH(QString, line);
        QFETCH(double, start);
        QFETCH(double, expected);
        PrintDocument doc;
        doc.setMargins(500);
        doc.setFontSize(start);
        int steps = 0;
        const double found = fontAutoSize(doc, line, [&] { ++steps; });
        QCOMPARE(doc.marginLeft(), 0.0);
        QVERIFY(steps <= 400);
        if (expected > 0)
            QCOMPARE(found, expected);
        else
            QCOMPARE(found - std::trunc(found), 0.75);
    }

    void guideLineOptionIsStoredPerTool()
    {
        {
            auto preview = makePreview();
            QVERIFY(child<QRadioButton>(preview.get(), "SSOption82(0)")->isChecked());
            click(preview.get(), "SSOption82(1)");
            QVERIFY(preview->pageView()->guideLines());
        }
        QCOMPARE(t->program.settings.guideLineOption(ToolId::HomeCalc), 1);
        auto again = makePreview();
        QVERIFY(child<QRadioButton>(again.get(), "SSOption82(1)")->isChecked());
        QVERIFY(again->pageView()->guideLines());
        auto loan = makePreview(ToolId::Loan);
        QVERIFY(child<QRadioButton>(loan.get(), "SSOption82(0)")->isChecked());

        t->program.settings.setGuideLineOption(ToolId::Actuarial, 5);
        auto actuarial = makePreview(ToolId::Actuarial);
        QVERIFY(!child<QRadioButton>(actuarial.get(), "SSOption82(0)")->isChecked());
        QVERIFY(!child<QRadioButton>(actuarial.get(), "SSOption82(1)")->isChecked());
        QVERIFY(!actuarial->pageView()->guideLines());
    }

    void enlargeAndNormal()
    {
        auto preview = makePreview();
        preview->windowActivated(false);
        QCOMPARE(child(preview.get(), "SSCommand2")->y(), 8); // 115 twips
        preview->open();
        PageView *view = preview->pageView();
        const QRect normal = view->geometry();
        auto *enlarge = child<QPushButton>(preview.get(), "SSCommand1");

        preview->toggleEnlarge();
        QVERIFY(preview->isEnlarged());
        QCOMPARE(enlarge->text(), QStringLiteral("Normal"));
        QCOMPARE(view->geometry(), QRect(4, normal.y(), preview->width() - 8, normal.height()));
        QCOMPARE(view->zoom(), PageView::Zoom::PageWidth);
        preview->windowActivated(true); // must not take the enlarged size as the normal one
        QCOMPARE(enlarge->y(), 2);

        enlarge->click();
        QVERIFY(!preview->isEnlarged());
        QCOMPARE(enlarge->text(), QStringLiteral("Enlarge"));
        QCOMPARE(view->geometry(), normal);
        QCOMPARE(view->zoom(), PageView::Zoom::WholePage);
        QCOMPARE(report.builds, 1); // zooming does not rebuild
    }

    void copiesThePageShown()
    {
        auto preview = makePreview();
        preview->open();
        PageView *view = preview->pageView();
        QVERIFY(!child(view, "pageNavigation")->isHidden());
        click(view, "nextPage");
        QCOMPARE(view->currentPage(), 2);
        t->prompter.answer(Button::Ok);
        click(preview.get(), "SSCommand80(3)");
        const PrintDocument &doc = preview->document();
        const QImage copied = t->platform.clipboardImage;
        QCOMPARE(copied, doc.renderPage(2, copied.size()));
        QVERIFY(copied != doc.renderPage(1, copied.size()));
        QCOMPARE(copied.width() * 15840, copied.height() * 12240);
        const test::Prompt &message = t->prompter.last();
        QCOMPARE(message.title, QStringLiteral("Copy Option"));
        QCOMPARE(message.text, QStringLiteral("Current Page has been copied to the Windows Clipboard."));
        QCOMPARE(message.icon, Icon::Information);
    }

    // The pages the preview shows, read back from the file; the name offered
    // is the window's caption and the date, or the year the document names.
    void savesThePagesShownAsPdf_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("offered");
        QTest::newRow("dated") << ""
                               << "Home Calculator 2007-03-14.pdf";
        QTest::newRow("year") << "2026"
                              << "Home Calculator 2026.pdf";
    }
    void savesThePagesShownAsPdf()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, offered);
        QWidget window;
        window.setWindowTitle(QStringLiteral("Home Calculator"));
        auto preview = makePreview();
        preview->setParent(&window);
        ReportPreview::Document doc;
        doc.pdfNameSuffix = suffix;
        doc.build = [this](PrintDocument &d, int) { report(d); };
        preview->open(doc);
        const QString path = t->dir.filePath(QStringLiteral("report.pdf"));
        t->prompter.answerFileName(path);
        click(preview.get(), QStringLiteral("cmdSavePdf"));

        const test::Prompt &asked = t->prompter.last();
        QCOMPARE(asked.kind, test::Prompt::Kind::SaveFile);
        QCOMPARE(asked.title, QStringLiteral("Save as PDF"));
        QCOMPARE(QFileInfo(asked.initialText).fileName(), offered);
        QCOMPARE(QFileInfo(asked.initialText).absolutePath(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished());
        const QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\f'));
        QCOMPARE(pages.size(), 3); // two pages and what follows the last form feed
        QVERIFY(pages[0].contains(QStringLiteral("Home Calculator Results")));
        QVERIFY(pages[1].contains(QStringLiteral("Page Number 2")));
    }

    // A write that fails is reported and leaves the old file whole; a
    // cancelled dialog writes nothing.
    void pdfWriteFailureKeepsTheOldFile()
    {
        auto preview = makePreview();
        preview->open();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kept.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        old.setPermissions(QFileDevice::ReadOwner);
        t->prompter.answerFileName(path);
        t->prompter.answer(Button::Ok);
        click(preview.get(), QStringLiteral("cmdSavePdf"));
        QCOMPARE(t->prompter.last().title, QStringLiteral("Save as PDF"));
        QCOMPARE(t->prompter.last().text, QStringLiteral("The PDF file could not be written:\r") + path);
        QCOMPARE(t->prompter.last().icon, Icon::Exclamation);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.pdf")});

        t->prompter.answerFileName(QString());
        click(preview.get(), QStringLiteral("cmdSavePdf"));
        QCOMPARE(t->prompter.last().kind, test::Prompt::Kind::SaveFile);
    }

    // A second document of the same preview, and range options that rebuild
    // the open document at once and sit out the document that has none.
    void rangeOptionsAndSeveralDocuments()
    {
        ReportPreview::Options options{ToolId::HomeCalc};
        options.rangeFrameCaption = QStringLiteral("Print Options");
        options.rangeCaptions = {QStringLiteral("Print All Gridlines"),
                                 QStringLiteral("No Horizontal lines after Items"),
                                 QStringLiteral("No Gridlines")};
        ReportPreview preview(t->program, options, nullptr);
        QSignalSpy status(&preview, &ReportPreview::statusTextChanged);
        QList<int> budgetBuilds;
        int totalsBuilds = 0;
        const ReportPreview::Document budget{QStringLiteral("Print"),
                                             QStringLiteral("Liberation Sans"),
                                             true,
                                             [&](PrintDocument &, int range) { budgetBuilds << range; },
                                             {}};
        const ReportPreview::Document totals{QStringLiteral("Print Totals"),
                                             QStringLiteral("Times New Roman"),
                                             false,
                                             [&](PrintDocument &, int) { ++totalsBuilds; },
                                             {}};
        QWidget *frame = child(&preview, QStringLiteral("SSFrame80(0)"));

        preview.open(budget);
        QCOMPARE(t->program.state.printFont.family, QStringLiteral("Liberation Sans"));
        click(&preview, QStringLiteral("SSOption81(2)"));
        QCOMPARE(budgetBuilds, (QList<int>{0, 2}));
        click(&preview, QStringLiteral("SSCommand80(2)"));

        preview.open(totals);
        QVERIFY(!frame->isEnabled());
        QCOMPARE(status.at(status.count() - 1).at(0).toString(), QStringLiteral("Print Totals"));
        t->prompter.answerDialog(false);
        click(&preview, QStringLiteral("SSCommand80(1)")); // a page change rebuilds the open document
        QCOMPARE(totalsBuilds, 2);
        QCOMPARE(budgetBuilds.size(), 2);
        click(&preview, QStringLiteral("SSCommand80(2)"));
        QVERIFY(frame->isEnabled());
        QCOMPARE(preview.printRange(), 2); // remembered while the window is open
    }
};

TQ_TEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
