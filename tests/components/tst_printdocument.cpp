#include "components/fontfamily.h"
#include "components/printdocument.h"
#include "fakes.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using tq::PrintDocument;
using tq::PrintItem;

class TestPrintDocument : public QObject
{
    Q_OBJECT

private:
    // A document with the preview's usual set-up: margins 0, 14 points.
    static void start(PrintDocument &doc)
    {
        doc.setFont(tq::FontChoice{QStringLiteral("Times New Roman"), 14});
        doc.setMargins(0);
        doc.startDoc();
    }
    static bool hasInk(const QImage &image, const QRect &area)
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    return true;
        return false;
    }

private Q_SLOTS:
    void paragraphPosition_data()
    {
        QTest::addColumn<double>("margin");
        QTest::addColumn<double>("indent");
        QTest::addColumn<double>("setX"); // < 0: leave X where the document put it
        QTest::addColumn<double>("expectedX");
        QTest::newRow("left edge takes the indent") << 0.0 << 600.0 << -1.0 << 600.0;
        QTest::newRow("margin plus indent") << 500.0 << 400.0 << -1.0 << 900.0;
        QTest::newRow("X set by the caller is kept") << 0.0 << 600.0 << 3000.0 << 3000.0;
        QTest::newRow("X set back to the margin gets the indent") << 0.0 << 400.0 << 0.0 << 400.0;
    }
    void paragraphPosition()
    {
        QFETCH(double, margin);
        QFETCH(double, indent);
        QFETCH(double, setX);
        QFETCH(double, expectedX);
        PrintDocument doc;
        start(doc);
        doc.setMargins(margin);
        doc.newPage(); // the new margins apply from the next page on
        doc.setIndentLeft(indent);
        doc.setCurrentY(200);
        if (setX >= 0)
            doc.setCurrentX(setX);
        doc.paragraph(QStringLiteral("Home Calculator Results"));
        const PrintItem &item = doc.pages().last().items.first();
        QCOMPARE(item.text, QStringLiteral("Home Calculator Results"));
        QCOMPARE(item.x, expectedX);
        QCOMPARE(item.y, 200.0);
        QCOMPARE(item.fontSize, 14.0);
        QCOMPARE(doc.currentX(), margin);
        QCOMPARE(doc.currentY(), 200.0 + doc.lineHeight());
    }

    void blankLinesAndSizeChanges()
    {
        PrintDocument doc;
        start(doc);
        const double big = doc.lineHeight();
        doc.paragraph(QStringLiteral("Title"));
        doc.paragraph(QString());
        doc.setFontSize(12);
        const double small = doc.lineHeight();
        QVERIFY(small < big);
        doc.paragraph(QStringLiteral("Input Section"));
        const auto &items = doc.pages().first().items;
        QCOMPARE(items.size(), 2); // the blank line draws nothing
        QCOMPARE(items.at(0).fontSize, 14.0);
        QCOMPARE(items.at(1).fontSize, 12.0);
        QCOMPARE(items.at(1).y, 2 * big);
        QCOMPARE(doc.currentY(), 2 * big + small);
    }

    void textsShareALineWhenYIsSetBack()
    {
        PrintDocument doc;
        start(doc);
        doc.setCurrentY(1000);
        const QStringList headings{QStringLiteral("Interest"), QStringLiteral(" 10 Years"),
                                   QStringLiteral(" 15 Years")};
        const double centres[] = {doc.pageWidth() / 20, doc.pageWidth() / 6, doc.pageWidth() / 3.4};
        for (int i = 0; i < headings.size(); ++i) {
            doc.setCurrentY(1000);
            doc.setCurrentX(centres[i] - doc.textWidth(headings[i]) / 2);
            doc.paragraph(headings[i]);
        }
        const auto &items = doc.pages().first().items;
        QCOMPARE(items.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(items.at(i).y, 1000.0);
            QVERIFY(qAbs(items.at(i).x + items.at(i).width / 2 - centres[i]) < 0.01);
        }
        QCOMPARE(doc.currentY(), 1000 + doc.lineHeight());
    }

    void pagesAndPageNumbers()
    {
        PrintDocument doc;
        QCOMPARE(doc.pageCount(), 0);
        doc.paragraph(QStringLiteral("before any document")); // ignored
        start(doc);
        QCOMPARE(doc.page(), 1);
        doc.paragraph(QStringLiteral("first"));
        doc.setMarginTop(300);
        doc.newPage();
        QCOMPARE(doc.page(), 2);
        QCOMPARE(doc.currentY(), 300.0);
        doc.paragraph(QStringLiteral("Page Number ") + QString::number(doc.page()));
        QCOMPARE(doc.pages().at(1).items.first().text, QStringLiteral("Page Number 2"));
        QCOMPARE(doc.pages().at(1).items.first().y, 300.0);
        doc.endDoc();
        QVERIFY(!doc.isOpen());

        start(doc); // replaces the previous document
        QCOMPARE(doc.pageCount(), 1);
        QVERIFY(doc.pages().first().items.isEmpty());
    }

    void lineRunningOffThePaperStartsANewPage()
    {
        PrintDocument doc;
        start(doc);
        doc.setCurrentY(doc.pageHeight() - doc.lineHeight() / 2);
        doc.paragraph(QStringLiteral("last row"));
        QCOMPARE(doc.pageCount(), 2);
        QCOMPARE(doc.pages().at(1).items.first().y, 0.0);
    }

    void longParagraphWrapsBetweenIndents()
    {
        PrintDocument doc;
        start(doc);
        doc.setIndentLeft(400);
        doc.setIndentRight(400);
        const QString sentence =
            QStringLiteral("Loan Length in Years will show a Monthly Payment for 12 months a year. ")
                .repeated(3)
                .trimmed();
        doc.paragraph(sentence + QStringLiteral("\rSecond line."));
        const auto &items = doc.pages().first().items;
        QVERIFY(items.size() >= 3);
        QStringList words;
        for (const PrintItem &item : items) {
            QCOMPARE(item.x, 400.0);
            QVERIFY(item.x + item.width <= doc.pageWidth() - 400);
            words += item.text.split(QLatin1Char(' '));
        }
        QCOMPARE(items.last().text, QStringLiteral("Second line."));
        QCOMPARE(words.join(QLatin1Char(' ')), sentence + QStringLiteral(" Second line."));
    }

    void textWidthScalesWithPointSize_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Times New Roman") << QStringLiteral("Times New Roman") << false;
        QTest::newRow("Times New Roman bold") << QStringLiteral("Times New Roman") << true;
        QTest::newRow("Liberation Sans") << QStringLiteral("Liberation Sans") << false;
    }
    void textWidthScalesWithPointSize()
    {
        QFETCH(QString, font);
        QFETCH(bool, bold);
        PrintDocument doc;
        doc.setFontName(font);
        doc.setFontBold(bold);
        const QString line(76, QLatin1Char('n'));
        doc.setFontSize(7);
        const double perPoint = doc.textWidth(line) / 7;
        QVERIFY(perPoint > 0);
        for (double size : {10.0, 14.0, 28.0, 72.0}) {
            doc.setFontSize(size);
            QVERIFY2(qAbs(doc.textWidth(line) / size / perPoint - 1) < 0.005,
                     qPrintable(QString::number(size)));
        }
    }

    // Twips measured against an independent 1440-dpi device.
    void textWidthIsInTwipsWhateverTheScreen()
    {
        PrintDocument doc;
        doc.setFontSize(14);
        QImage reference(10, 10, QImage::Format_RGB32);
        reference.setDotsPerMeterX(int(1440 / 0.0254));
        reference.setDotsPerMeterY(int(1440 / 0.0254));
        QFont font(tq::resolvedFamily(doc.fontName()));
        font.setPointSizeF(14);
        font.setHintingPreference(QFont::PreferNoHinting);
        const QString line(76, QLatin1Char('n'));
        const double expected = QFontMetricsF(font, &reference).horizontalAdvance(line);
        QVERIFY2(qAbs(doc.textWidth(line) / expected - 1) < 0.01,
                 qPrintable(QStringLiteral("%1 vs %2").arg(doc.textWidth(line)).arg(expected)));
    }

    void pageSize_data()
    {
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("letter portrait") << QPageLayout::Portrait << 12240.0 << 15840.0;
        QTest::newRow("letter landscape") << QPageLayout::Landscape << 15840.0 << 12240.0;
    }
    void pageSize()
    {
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(double, width);
        QFETCH(double, height);
        PrintDocument doc;
        doc.setOrientation(orientation);
        QCOMPARE(doc.orientation(), orientation);
        QCOMPARE(doc.pageWidth(), width);
        QCOMPARE(doc.pageHeight(), height);
        doc.setMarginLeft(720);
        doc.setMarginRight(360);
        QCOMPARE(doc.printableWidth(), width - 1080);
    }

    void linesKeepTheirPen()
    {
        PrintDocument doc;
        start(doc);
        doc.setLineWidth(30);
        doc.drawLine(100, 200, 5000, 200);
        const PrintItem &line = doc.pages().first().items.first();
        QCOMPARE(line.kind, PrintItem::Kind::Line);
        QCOMPARE(line.penWidth, 30.0);
        QCOMPARE(QPointF(line.x2, line.y2), QPointF(5000, 200));
    }

    void renderedPagesShowTheirOwnText()
    {
        PrintDocument doc;
        start(doc);
        doc.setCurrentY(1440);
        doc.paragraph(QStringLiteral("WWWWWWWW"));
        doc.newPage();
        doc.setCurrentY(7200);
        doc.paragraph(QStringLiteral("WWWWWWWW"));
        doc.endDoc();
        const QSize size(612, 792); // 72 dpi: 20 twips a pixel
        const QRect firstText(0, 72, 100, 16);
        const QRect secondText(0, 360, 100, 16);
        const QImage one = doc.renderPage(1, size);
        const QImage two = doc.renderPage(2, size);
        QVERIFY(hasInk(one, firstText) && !hasInk(one, secondText));
        QVERIFY(hasInk(two, secondText) && !hasInk(two, firstText));
    }

    void savesPdf_data()
    {
        QTest::addColumn<bool>("throughPrinter");
        QTest::newRow("pdf file") << false;
        QTest::newRow("printer printing to a file") << true;
    }
    void savesPdf()
    {
        QFETCH(bool, throughPrinter);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        auto save = [&](const PrintDocument &doc) {
            return throughPrinter ? doc.print(printer) : doc.savePdf(path);
        };
        PrintDocument doc;
        doc.setOrientation(QPageLayout::Landscape);
        QVERIFY(!save(doc)); // nothing to save
        start(doc);
        doc.paragraph(QStringLiteral("Home Calculator Results"));
        doc.newPage();
        doc.paragraph(QStringLiteral("Page Number 2"));
        doc.endDoc();
        QVERIFY(save(doc));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QVERIFY(file.size() > 1000);
        if (throughPrinter)
            QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }
};

TQ_TEST_MAIN(TestPrintDocument)
#include "tst_printdocument.moc"
