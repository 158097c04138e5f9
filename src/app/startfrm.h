#pragma once
// The launcher: the program's first and last window and its main menu.
#include "common/settings.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace tq {

struct Program;
class About1;
class CaptionPanel;
class ToolOpener;

class Startfrm : public QMainWindow
{
    Q_OBJECT
public:
    Startfrm(Program &program, ToolOpener &tools, QWidget *parent = nullptr);
    ~Startfrm() override;

    // Reports unreadable settings files once, then runs the start-up sequence
    // (which shows the window).
    void start();

    // The screen the display check measures and the window is placed on.
    // By default the screen the window is on; tests and snapshots set their own.
    void setScreenGeometry(const QRect &screen);

    // The open About window, or nullptr.
    About1 *aboutWindow() const;

Q_SIGNALS:
    // "Exit" ends the program at once; main connects this to the event loop's end.
    void exitRequested();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPanel();
    void buildMenus();
    QAction *addItem(QMenu *menu, const char *name, const QString &caption, void (Startfrm::*slot)());

    void startUp();
    void displayCheck();
    void becameActive();
    void applyResizeRules();
    void switchToFullScreen();
    void switchToSmallerScreen();
    void markDisplayMode();
    void setMarks(bool full, bool smaller);

    void recordGeometry();
    void centrePanel();
    void applyBackgroundColour();
    void showCaption();
    QRect screenRect() const;
    int px(double twips) const;

    void chooseBackgroundColour();
    void askFamilyName();
    void openActuarial();
    void openCalculator();
    void openHomeCalc();
    void openLoan();
    void openBudget();
    void openTool(ToolId tool);
    void showOverview();
    void openWebSite();
    void openVistaPage();
    void openAbout();
    void exitProgram();

    Program &m_program;
    ToolOpener &m_tools;
    QRect m_screen;
    int m_startUpDepth = 0;
    bool m_loadingChecked = false;
    // The display items' marks; kept here because Qt toggles a checkable item
    // by itself when it is triggered.
    bool m_fullMarked = false;
    bool m_smallerMarked = false;

    QWidget *m_background = nullptr;
    CaptionPanel *m_panel = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_faceLabel = nullptr;
    QPushButton *m_focusButton = nullptr;
    QList<QPushButton *> m_buttons;
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_displayMenu = nullptr;
    QAction *m_fullScreen = nullptr;
    QAction *m_smallerScreen = nullptr;
    QPointer<About1> m_about;
};

} // namespace tq
