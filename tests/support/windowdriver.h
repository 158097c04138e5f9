#pragma once
// Driving a tool window in a test through its named controls, as a user would.
#include "components/program.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QRect>
#include <QTest>
#include <QWidget>
#include <memory>

namespace tq::test {

// The smaller display, with the launcher at a known place.
void useSmallerDisplay(Program &program, const QRect &launcherGeometry = QRect(40, 30, 800, 600));
// Full screen display over a laptop-sized screen.
void useFullScreenDisplay(Program &program, const QRect &launcherGeometry = QRect(0, 0, 1366, 740));
// A test's rows for both display sizes: a bool column "fullScreen".
void addDisplaySizeRows();
// Switches the program to the row's display size.
void useDisplaySizeOfRow(Program &program);

// A shown, empty top-level widget that stands in for the launcher.
std::unique_ptr<QWidget> showLauncherStandIn(const QString &objectName = {});

// Shows the window and waits until it is active; false (with a warning) if it never is.
bool showActive(QWidget *window);

template <typename W, typename... Extra>
W *openToolWindow(Program &program, QWidget *launcher, Extra &&...extra)
{
    auto *window = new W(program, launcher, std::forward<Extra>(extra)...);
    showActive(window);
    return window;
}

// Deletes every top-level window of type W that a test left open.
template <typename W> void deleteOpenWindows()
{
    QList<QPointer<W>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<W *>(w))
            windows.append(window);
    qDeleteAll(windows);
}

// The child named `name`; warns when there is none.
template <typename T = QWidget> T *findNamed(const QObject *root, const QString &name)
{
    T *child = root->findChild<T *>(name);
    if (!child)
        qWarning("no control %s", qPrintable(name));
    return child;
}

inline QAction *findAction(const QObject *root, const QString &name)
{
    return findNamed<QAction>(root, name);
}

void clickButton(const QObject *root, const QString &name);

// Replaces the text of a line edit or an editable combo box by typing: the
// box takes the focus, its text is selected and deleted, then the keys follow.
void replaceText(const QObject *root, const QString &boxName, const QString &keys);

// Types `text` as a user who slips a letter between digits: everything but the
// letters first, then the caret moves back and each letter goes in its place.
// Boxes that look only at the last character typed let such letters through.
void typeSlippingLetters(const QObject *root, const QString &boxName, const QString &text);

// Closes the window from the event queue, as an Exit typed ahead or a click
// on the close button does while the program is still busy.
inline void queueClose(QWidget *window)
{
    QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
}

// Every way a user, the launcher or the event queue closes a tool window, by
// name ("exit menu", "Esc", "title bar", "top toolbar exit", "queued close");
// each then lets pending deletions run, as the event loop
// of a dialog would. `addCloseRows()` adds a QString column "closePath".
const QStringList &closePathNames();
void addCloseRows();
void tryClosing(QWidget *window, const QString &closePath);

} // namespace tq::test
