#include "windowdriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

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

void replaceText(const QObject *root, const QString &boxName, const QString &keys)
{
    QWidget *widget = findNamed(root, boxName);
    auto *combo = qobject_cast<QComboBox *>(widget);
    QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(widget);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
}

} // namespace tq::test
