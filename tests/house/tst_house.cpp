// House rules the compiler cannot check: layering of the widget-free code,
// dialogs and the clock only behind their seams, and source free of
// references to the requirements document.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

struct SourceFile {
    QString relative; // to src/
    QString text;
};

QList<SourceFile> readTree(const QStringList &patterns)
{
    QList<SourceFile> out;
    const QDir root(QStringLiteral(TQ_SOURCE_DIR));
    QDirIterator it(root.path(), patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            out.append({root.relativeFilePath(f.fileName()), QString::fromUtf8(f.readAll())});
    }
    return out;
}

QList<SourceFile> sources()
{
    return readTree({QStringLiteral("*.h"), QStringLiteral("*.cpp")});
}

// The files listed in the build's engine libraries (tq_layer(<tool>_engine ...)).
QSet<QString> engineLibraryFiles()
{
    static const QRegularExpression layer(QStringLiteral("tq_layer\\(\\s*\\w+_engine\\b([^)]*)\\)"));
    QSet<QString> files;
    for (const SourceFile &cmake : readTree({QStringLiteral("CMakeLists.txt")})) {
        const QString folder = QFileInfo(cmake.relative).path();
        for (auto m = layer.globalMatch(cmake.text); m.hasNext();) {
            for (const QString &token :
                 m.next().captured(1).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                files.insert(folder + u'/' + token);
        }
    }
    return files;
}

const QRegularExpression &guiInclude()
{
    static const QRegularExpression re(
        QStringLiteral("#\\s*include\\s*[<\"](QtWidgets/|QtGui/"
                       "|QWidget|QColor|QFont|QPainter|QPixmap|QImage|QApplication|QGuiApplication|QPalette|"
                       "QIcon|QPen|QBrush)[^>\"]*[>\"]"));
    return re;
}

const QRegularExpression &directCall()
{
    static const QRegularExpression re(
        QStringLiteral("QMessageBox::|QInputDialog::get|\\bQ(Color|Font|File|Print|PageSetup|PrintPreview|"
                       "Progress)Dialog\\b|"
                       "(\\.|->)exec\\(\\s*\\)|QDate::currentDate|QDateTime::currentDateTime"));
    return re;
}

// A bare yield may run a queued close that deletes the window still working.
const QRegularExpression &bareYield()
{
    static const QRegularExpression re(QStringLiteral("processEvents\\(|QEventLoop\\s+\\w+\\s*[;({]"));
    return re;
}

const QRegularExpression &requirementWords()
{
    static const QRegularExpression re(QStringLiteral("\\bPart \\d+\\.|\\bspec\\b|\\bspecification\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

// Files that must stay free of widgets and painting: the common layer and every engine.
bool mustBeWidgetFree(const QString &relative, const QSet<QString> &engineFiles)
{
    return relative.startsWith(u"common/") || relative.contains(u"engine", Qt::CaseInsensitive) ||
           engineFiles.contains(relative);
}

bool outsideSeams(const QString &relative)
{
    static const QRegularExpression seam(QStringLiteral("^components/(prompter|platform|clock)\\."));
    return !seam.match(relative).hasMatch();
}

// Arrows point down only: common, components, frame, the tools, app. A tool
// includes no other tool, except that the budget opens the backup utility and
// stands on its engine folder, which itself stands on common/ alone.
int layerOf(const QString &folder)
{
    static const QStringList layers{QStringLiteral("common"), QStringLiteral("components"),
                                    QStringLiteral("frame")};
    static const QStringList tools{QStringLiteral("budget"),    QStringLiteral("budgetengine"),
                                   QStringLiteral("loan"),      QStringLiteral("homecalc"),
                                   QStringLiteral("actuarial"), QStringLiteral("scicalc"),
                                   QStringLiteral("backup")};
    if (folder == u"app")
        return 4;
    if (tools.contains(folder))
        return 3;
    return int(layers.indexOf(folder));
}

QStringList layerOffences(const SourceFile &f)
{
    static const QRegularExpression include(QStringLiteral("#\\s*include\\s*\"(\\w+)/[^\"]+\""));
    QStringList found;
    const QString own = f.relative.section(u'/', 0, 0);
    for (auto m = include.globalMatch(f.text); m.hasNext();) {
        const QRegularExpressionMatch match = m.next();
        const QString target = match.captured(1);
        const int from = layerOf(own), to = layerOf(target);
        if (target == own || from < 0 || to < 0)
            continue;
        const bool allowed =
            (own == u"budget" && target == u"backup") || target == own + QStringLiteral("engine");
        const bool sideways = from == 3 && to == 3 && !allowed;
        const bool engineAboveCommon = own.endsWith(u"engine") && target != u"common";
        if (to > from || sideways || engineAboveCommon)
            found << f.relative + QStringLiteral(": ") + match.captured(0);
    }
    return found;
}

// Every rule broken by the given files, as "file: offending text".
QStringList violations(const QList<SourceFile> &files, const QSet<QString> &engineFiles)
{
    QStringList found;
    const auto check = [&](const SourceFile &f, const QRegularExpression &rule) {
        if (const auto m = rule.match(f.text); m.hasMatch())
            found << f.relative + QStringLiteral(": ") + m.captured(0);
    };
    for (const SourceFile &f : files) {
        if (mustBeWidgetFree(f.relative, engineFiles))
            check(f, guiInclude());
        if (outsideSeams(f.relative))
            check(f, directCall());
        check(f, requirementWords());
        found << layerOffences(f);
        if (!f.relative.startsWith(u"components/eventyield."))
            check(f, bareYield());
    }
    return found;
}

} // namespace

class TestHouse : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sourceTreeFound() { QVERIFY(sources().size() > 10); }

    void engineLibrariesFound() { QVERIFY(!engineLibraryFiles().isEmpty()); }

    void sourceTreeKeepsTheRules()
    {
        const QStringList found = violations(sources(), engineLibraryFiles());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    // The rules must bite: each sample breaks exactly one.
    void rulesCatchOffences_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::newRow("widget in common") << "common/x.h"
                                          << "#include <QWidget>";
        QTest::newRow("gui module in engine file") << "loan/loanengine.cpp"
                                                   << "#include <QtGui/QColor>";
        QTest::newRow("font in engine library") << "actuarial/valuetables.h"
                                                << "#include <QFont>";
        QTest::newRow("message box in a window") << "loan/loansheet.cpp"
                                                 << "QMessageBox::warning(this";
        QTest::newRow("clock in a window") << "budget/budget1.cpp"
                                           << "auto d = QDate::currentDate();";
        QTest::newRow("bare yield in a window") << "actuarial/actua1.cpp"
                                                << "QCoreApplication::processEvents();";
        QTest::newRow("input box in a window") << "app/startfrm.cpp"
                                               << "QInputDialog::getText(";
        QTest::newRow("dialog run outside the seam") << "budget/budget1.cpp"
                                                     << "dialog.exec();";
        QTest::newRow("dialog pointer run outside the seam") << "components/hunspellchecker.cpp"
                                                             << "d->exec();";
        QTest::newRow("file dialog") << "budget/budget1.cpp"
                                     << "QFileDialog::getSaveFileName(this";
        QTest::newRow("print dialog") << "frame/reportpreview.cpp"
                                      << "QPrintDialog dialog(&printer, this);";
        QTest::newRow("page setup dialog") << "frame/reportpreview.cpp"
                                           << "QPageSetupDialog setup(&printer);";
        // Built from two pieces so that searches of the tree do not find the sample itself.
        QTest::newRow("document reference") << "app/startfrm.cpp"
                                            << QStringLiteral("// as Par"
                                                              "t 1.1 says");
        QTest::newRow("type named like the document") << "loan/loansheet.cpp"
                                                      << "struct Sp"
                                                         "ec { int a; };";
        QTest::newRow("document word") << "app/startfrm.cpp"
                                       << "// per the sp"
                                          "ec";
        QTest::newRow("frame below components") << "components/grid.cpp"
                                                << "#include \"frame/toolwindow.h\"";
        QTest::newRow("tool in common") << "common/settings.cpp"
                                        << "#include \"loan/loanengine.h\"";
        QTest::newRow("tool beside tool") << "loan/loansheet.cpp"
                                          << "#include \"actuarial/valueblock.h\"";
        QTest::newRow("components in an engine folder") << "budgetengine/budgetspelling.h"
                                                        << "#include \"components/hunspellchecker.h\"";
        QTest::newRow("engine folder beside a tool") << "loan/loansheet.cpp"
                                                     << "#include \"budgetengine/yearfile.h\"";
        QTest::newRow("launcher in a tool") << "scicalc/scicalc.cpp"
                                            << "#include \"app/startfrm.h\"";
    }
    void rulesCatchOffences()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        const QSet<QString> engines{QStringLiteral("actuarial/valuetables.h")};
        QCOMPARE(violations({{path, text}}, engines).size(), 1);
        // The same text is allowed where its seam lives, or in a window for widgets.
        QCOMPARE(
            violations({{QStringLiteral("components/prompter.cpp"), QStringLiteral("QMessageBox::warning(")}},
                       engines)
                .size(),
            0);
        QCOMPARE(
            violations({{QStringLiteral("loan/loansheet.h"), QStringLiteral("#include <QWidget>")}}, engines)
                .size(),
            0);
        QCOMPARE(violations({{QStringLiteral("budget/budget1.cpp"),
                              QStringLiteral("#include \"backup/backup1.h\"")}},
                            engines)
                     .size(),
                 0);
        QCOMPARE(violations({{QStringLiteral("budget/budget1.cpp"),
                              QStringLiteral("#include \"budgetengine/budgetmodel.h\"")}},
                            engines)
                     .size(),
                 0);
        QCOMPARE(violations(
                     {{QStringLiteral("app/startfrm.cpp"), QStringLiteral("#include \"loan/loansheet.h\"")}},
                     engines)
                     .size(),
                 0);
    }
};

QTEST_GUILESS_MAIN(TestHouse)
#include "tst_house.moc"
