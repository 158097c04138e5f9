#pragma once
// The frame every tool window shares.
//
// A tool window subclasses ToolWindow, hands it a ToolWindowConfig and puts its
// own controls into the main panel:
//
//   HomeCalc::HomeCalc(Program &program, QWidget *launcher)
//       : ToolWindow(program, launcher, config())   // frame, colours, geometry
//   {
//       auto *label4 = new QLabel(mainPanel());
//       placeInPanel(label4, {60, 60, 9710, 7080});  // design twips, scaled in full screen
//       setPanelColourWidget(label4);                // Label4 carries the panel colour
//       installContextPopup(label4);                 // right-button release pops the menu
//       ... build inputs, restore remembered values ...
//       attachReportPreview([this] { return new ReportPreview(program, {...}, this); });
//   }
//
// What the frame does on its own:
// - builds `Toolbar1` (activity buttons; 1..n-5 close the window after "Loading",
//   then Family Names, Sound, Web Site, Help, Exit), `Toolbar2` (side buttons from
//   the config), `Toolbar3` (an empty right border), `StatusBar1` (caption when
//   idle; "Click to Restore ..." notices), the main panel, the background picture
//   `Image1` or colour, the menus and the popup;
// - takes the launcher's geometry (program.state.launcherGeometry); in full
//   screen display every control placed with placeInPanel()/placeScaled() and the
//   main panel scale with the window, in smaller screen display they keep their
//   design size;
// - loads the panel colour (design colour when the record is unusable); the
//   panel colour choice changes it in the window only, the exit step asks
//   config.colourQuestion and stores it;
// - on activation: places the panel, tells the preview, hides the launcher, shows
//   the caption in the status bar and calls onActivated(). The first activation
//   ends the busy pointer the launcher started before opening the window;
// - overlays (addOverlay; the preview is one): F1/help use the help id of the
//   first shown overlay that names one (the preview: config.previewHelpId),
//   else helpId; Esc runs onEscape(), which by default takes one Esc step of the
//   first shown overlay, in the order they were added, and closes the window
//   through the exit step (colour question included) when none is shown;
//   the side toolbar only beeps while an overlay that asks for it is shown;
// - every close (exit step, close button, Esc) moves the launcher to the
//   window's position and shows it. The window deletes itself when closed.
//
// What a tool adds through the hooks below: hasResults(), copyResults(),
// openReport(), onActivated(), storeLeaveValues(), and where needed
// confirmExit(), storeColourChoice(), onEscape(), onCustomSideButton().
#include "frame/lazywidget.h"
#include "frame/overlay.h"
#include "frame/toolwindowconfig.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace tq {

struct Program;
class ActivityToolbar;
class FrameMenus;
class FrameStatusBar;
class Grid;
class MainPanel;
class ProportionalLayout;
class ReportPreview;
class RightClickPopup;

class ToolWindow : public QMainWindow
{
    Q_OBJECT
public:
    ToolWindow(Program &program, QWidget *launcher, ToolWindowConfig config, QWidget *parent = nullptr);
    ~ToolWindow() override;

    const ToolWindowConfig &config() const { return m_config; }
    bool isFullScreenDisplay() const;

    // The frame's commands, as menus, popup and toolbars run them.
    void runCommand(FrameCommand command);
    void exitStep();          // colour question, leave values, close
    void choosePanelColour(); // question, colour dialog; stored only by the exit step
    void showHelp();

    QString statusText() const;
    void setStatusText(const QString &text); // panel 1; empty shows the caption
    void showIdleStatus();

    // Enables "&Copy" items with side "Copy" buttons, and "&Print" items with
    // side "Print" buttons. The tool's own print button is the tool's business.
    void setResultsAvailable(bool copy, bool print);

    QColor panelColour() const { return m_panelColour; }
    bool isPanelColourChanged() const { return m_colourChanged; }
    bool isPreviewShown() const;
    int currentHelpId() const;

    QWidget *mainPanel() const;
    ReportPreview *reportPreview(); // built on first use
    ActivityToolbar *topToolbar() const { return m_top; }
    QToolBar *sideToolbar() const { return m_side; }
    QAction *sideButton(int number) const; // 1-based
    FrameStatusBar *frameStatusBar() const { return m_status; }
    QMenu *optionsMenu() const;
    QMenu *editMenu() const;  // nullptr without copy
    QMenu *popupMenu() const; // `mV`, or the Options menu when that is the popup

protected:
    Program &program() const { return m_program; }
    QWidget *launcher() const { return m_launcher; }

    // Puts `widget` into the main panel at its design geometry (twips, relative
    // to the panel); set its font first, the design font is what scales.
    void placeInPanel(QWidget *widget, const QRect &twips);
    // Same for a widget already inside one of the tool's own panels. A widget
    // placed after the window is shown (built on first use) scales at once.
    void placeScaled(QWidget *widget, const QRect &twips);
    // The widget that shows the panel colour; the main panel itself by default.
    void setPanelColourWidget(QWidget *widget);
    // Routes right-button releases over `widget` to the popup; the right button
    // then never presses, types or opens the widget's own menu. Children that
    // ignore mouse events (labels, buttons) are covered by their parent's filter.
    void installContextPopup(QWidget *widget);
    // Right-button releases anywhere in a grid, its heading row, heading
    // column and corner included, pop the menu up as over the rest of the window.
    void installGridPopup(Grid *grid);
    // The preview is built the first time it is needed, then placed over the
    // main panel, follows its status text and takes its place among the
    // overlays (help id config.previewHelpId, side buttons beep). A tool whose
    // own panels come before the preview in the Esc order adds them first.
    void attachReportPreview(std::function<ReportPreview *()> make);
    // Returns the overlay's number; a panel built on first use is given to it
    // then with setOverlayPanel(), and counts from that moment.
    int addOverlay(Overlay overlay);
    void setOverlayPanel(int overlay, QWidget *panel);
    // A tool's own menu, inserted before "&Help".
    QMenu *addToolMenu(const QString &title, const QString &name);
    // For tools whose own colour choices (grid colours) join the colour question
    // at exit; storeColourChoice() then writes them.
    void markColoursChanged();
    // Reads the panel colour record again (also at opening).
    void loadPanelColour();

    // Hooks. hasResults() defaults to what setResultsAvailable() last enabled;
    // the Edit menu and the popup enable their items from it when opened.
    virtual bool hasResults() const;
    virtual void copyResults() {}
    virtual void openReport(); // default: the preview opens
    virtual void onActivated() {}
    virtual bool confirmExit() { return true; } // false keeps the window open
    virtual void storeColourChoice();           // default: the panel colour record
    virtual void storeLeaveValues() {}
    virtual void onEscape(); // default: preview rules, else close
    virtual void onCustomSideButton(int number) { Q_UNUSED(number); }
    // Runs before a right-button release pops the popup menu up.
    virtual void aboutToPopUp() {}

    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildToolbars();
    void buildShortcuts();
    void applyBackground();
    void applyToolbarFlags();
    void applyPanelColour(const QColor &colour);
    void takeLauncherGeometry();
    void fitToLauncher();
    void updateScale();
    void placePanelOnLoad();
    void placePanelOnActivation();
    void placePanel(int clientLeft, int clientTop);
    void activate();
    void onTopButton(int number);
    void onSideButton(int number);
    void restoreTopToolbar();
    void restoreSideToolbars();
    void syncMenusWithResults();
    ReportPreview *placePreview(ReportPreview *preview);
    int twipsToPx(int twips) const;
    const Overlay *shownOverlay(const std::function<bool(const Overlay &)> &wanted = {}) const;

    Program &m_program;
    QPointer<QWidget> m_launcher;
    ToolWindowConfig m_config;
    ActivityToolbar *m_top = nullptr;
    QToolBar *m_side = nullptr;
    QToolBar *m_rightBorder = nullptr;
    FrameStatusBar *m_status = nullptr;
    FrameMenus *m_menus = nullptr;
    MainPanel *m_panel = nullptr;
    QLabel *m_image = nullptr;
    QPointer<QWidget> m_colourWidget;
    LazyWidget<ReportPreview> m_preview;
    int m_previewOverlay = -1;
    std::vector<Overlay> m_overlays;
    RightClickPopup *m_popup = nullptr;
    ProportionalLayout *m_layout = nullptr;
    QColor m_panelColour;
    bool m_colourChanged = false;
    bool m_colourIsDefault = false;
    bool m_copyAvailable = false;
    bool m_printAvailable = false;
    bool m_busyEnded = false;
    bool m_fitted = false;
};

} // namespace tq
