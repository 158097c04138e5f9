#include "windowdriver.h"

#include "frame/activitytoolbar.h"
#include "frame/toolwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

namespace tq::test {

void useSmallerDisplay(Program &program, const QRect &launcherGeometry)
{
    program.state.displayMode = DisplayMode::Smaller;
    program.state.launcherGeometry = launcherGeometry;
}

void useFullScreenDisplay(Program &program, const QRect &launcherGeometry)
{
    program.state.displayMode = DisplayMode::FullScreen;
    program.state.launcherGeometry = launcherGeometry;
}

void addDisplaySizeRows()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("smaller screen") << false;
    QTest::newRow("full screen") << true;
}

void useDisplaySizeOfRow(Program &program)
{
    QFETCH(bool, fullScreen);
    if (fullScreen)
        useFullScreenDisplay(program);
    else
        useSmallerDisplay(program);
}

std::unique_ptr<QWidget> showLauncherStandIn(const QString &objectName)
{
    auto launcher = std::make_unique<QWidget>();
    if (!objectName.isEmpty())
        launcher->setObjectName(objectName);
    launcher->show();
    return launcher;
}

bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    if (QTest::qWaitForWindowActive(window))
        return true;
    qWarning("%s did not become active", qPrintable(window->objectName()));
    return false;
}

void clickButton(const QObject *root, const QString &name)
{
    QTest::mouseClick(findNamed<QPushButton>(root, name), Qt::LeftButton);
}

namespace {

QLineEdit *editOf(const QObject *root, const QString &boxName)
{
    QWidget *widget = findNamed(root, boxName);
    auto *combo = qobject_cast<QComboBox *>(widget);
    return combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(widget);
}

} // namespace

void typeSlippingLetters(const QObject *root, const QString &boxName, const QString &text)
{
    QString digits = text;
    digits.remove(QRegularExpression(QStringLiteral("[^0-9.]")));
    replaceText(root, boxName, digits);
    QLineEdit *edit = editOf(root, boxName);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isLetter())
            continue;
        edit->setCursorPosition(int(i));
        QTest::keyClicks(edit, QString(text[i]));
    }
}

void replaceText(const QObject *root, const QString &boxName, const QString &keys)
{
    QLineEdit *edit = editOf(root, boxName);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
}

const QStringList closePaths{QStringLiteral("exit menu"), QStringLiteral("Esc"), QStringLiteral("title bar"),
                             QStringLiteral("top toolbar exit"), QStringLiteral("queued close")};

const QStringList &closePathNames()
{
    return closePaths;
}

void addCloseRows()
{
    QTest::addColumn<QString>("closePath");
    for (const QString &path : closePaths)
        QTest::newRow(qPrintable(path)) << path;
}

void tryClosing(QWidget *window, const QString &closePath)
{
    auto *tool = qobject_cast<ToolWindow *>(window);
    auto *exitItem = window->findChild<QAction *>(QStringLiteral("mOE"));
    if (closePath == u"exit menu" && exitItem) {
        exitItem->trigger();
    } else if (closePath == u"Esc") {
        QTest::keyClick(window, Qt::Key_Escape);
    } else if (closePath == u"top toolbar exit" && tool) {
        tool->topToolbar()->button(tool->topToolbar()->exitButton())->click();
    } else if (closePath != u"queued close") { // the title bar, and windows without the item asked for
        window->close();
    } else {
        queueClose(window);
        QCoreApplication::sendPostedEvents(window, QEvent::MetaCall);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tq::test
