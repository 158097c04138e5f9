#include "app/about1.h"
#include "launcherfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

using namespace tq;
using namespace tq::test;

namespace {

About1 *openAbout(LauncherFixture &f)
{
    f.action("mHA")->trigger();
    return f.window->aboutWindow();
}

// Every button and every label with text must carry that text as its accessible name.
void verifyAccessibleNames(QWidget *window)
{
    QList<QWidget *> widgets;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        widgets << b;
    for (QLabel *l : window->findChildren<QLabel *>())
        widgets << l;
    int checked = 0;
    for (QWidget *w : widgets) {
        const QString text = qobject_cast<QLabel *>(w) ? static_cast<QLabel *>(w)->text()
                                                       : static_cast<QAbstractButton *>(w)->text();
        if (text.isEmpty())
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(iface, qPrintable(w->objectName()));
        QString visible = QString(text).remove(u'&');
        QCOMPARE(iface->text(QAccessible::Name).simplified(), visible.simplified());
        ++checked;
    }
    QVERIFY(checked > 0);
}

} // namespace

class TestAbout1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void geometryFollowsLauncher_data()
    {
        QTest::addColumn<QString>("display");
        QTest::newRow("full screen") << "No";
        QTest::newRow("smaller screen") << "Yes";
    }
    void geometryFollowsLauncher()
    {
        QFETCH(QString, display);
        LauncherFixture f;
        RecordFile(f.path("GColor3.Fil"), 20).writeString(35, display);
        f.window->start();
        About1 *about = openAbout(f);
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Tallyquill 2007"));
        QVERIFY(about->isModal());
        const QRect launcher = f.window->frameGeometry();
        const QRect box = about->frameGeometry();
        QCOMPARE(box.width(), int(launcher.width() * 0.42));
        QCOMPARE(box.height(), int(launcher.height() * 0.47));
        QCOMPARE(box.left(), launcher.left() + launcher.width() / 2 - box.width() / 2);
        QCOMPARE(box.top(), launcher.top() + launcher.height() / 2 - box.height() / 2 + 7); // 100 twips lower
        about->close();
    }

    void okAndMenuClose_data()
    {
        QTest::addColumn<bool>("useMenu");
        QTest::newRow("button") << false;
        QTest::newRow("context menu") << true;
    }
    void okAndMenuClose()
    {
        QFETCH(bool, useMenu);
        LauncherFixture f;
        f.window->start();
        QPointer<About1> about = openAbout(f);
        if (useMenu) {
            QTest::mouseClick(about->findChild<QWidget *>(QStringLiteral("Command1")), Qt::RightButton);
            auto *menu = about->findChild<QMenu *>(QStringLiteral("mO"));
            QTRY_VERIFY(menu->isVisible());
            about->findChild<QAction *>(QStringLiteral("mOOK"))->trigger();
        } else {
            QTest::mouseClick(about->findChild<QWidget *>(QStringLiteral("Command1")), Qt::LeftButton);
        }
        QTRY_VERIFY(!about);
    }

    void textAndLink()
    {
        LauncherFixture f;
        f.window->start();
        About1 *about = openAbout(f);
        const QStringList lines = About1::aboutText().split(u'\r');
        QCOMPARE(lines.mid(0, 3), (QStringList{"Tallyquill 2007", "Version 4.0", ""}));
        QVERIFY(lines.filter(QStringLiteral("Qt")).size() == 1);
        QVERIFY(lines.filter(QStringLiteral("Hunspell")).size() == 1);
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("Web Site:"));
        QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("Label5")), Qt::LeftButton);
        QCOMPARE(f.t.platform.webPages, QStringList{QString()});
        about->close();
    }

    void accessibleNames()
    {
        LauncherFixture f;
        f.window->start();
        verifyAccessibleNames(f.window.get());
        About1 *about = openAbout(f);
        verifyAccessibleNames(about);
        about->close();
    }
};

TQ_TEST_MAIN(TestAbout1)
#include "tst_about1.moc"
