#include "frame/toolwindow.h"

#include "common/twips.h"
#include "components/colours.h"
#include "components/dialogscope.h"
#include "components/grid.h"
#include "components/program.h"
#include "frame/activitytoolbar.h"
#include "frame/framemenus.h"
#include "frame/framestatusbar.h"
#include "frame/launchergeometry.h"
#include "frame/mainpanel.h"
#include "frame/panelcolourchoice.h"
#include "frame/proportionallayout.h"
#include "frame/reportpreview.h"
#include "frame/rightclickpopup.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

namespace tq {

namespace {
constexpr QSize previewDesignTwips{8985, 6975};
}

ToolWindow::ToolWindow(Program &program, QWidget *launcher, ToolWindowConfig config, QWidget *parent)
    : QMainWindow(parent), m_program(program), m_launcher(launcher), m_config(std::move(config)),
      m_layout(new ProportionalLayout)
{
    BusyPointer busy(program.platform);
    setObjectName(m_config.objectName);
    setWindowTitle(m_config.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    m_layout->setDpi(logicalDpiX());

    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("Form"));
    form->setAutoFillBackground(true);
    setCentralWidget(form);
    m_image = new QLabel(form);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setScaledContents(true);
    m_image->hide();
    m_panel = new MainPanel(m_config.mainPanelName, m_config.caption, form);
    m_colourWidget = m_panel;

    m_menus = new FrameMenus(m_config, menuBar(), this);
    connect(m_menus, &FrameMenus::commandTriggered, this, &ToolWindow::runCommand);
    if (m_menus->edit)
        connect(m_menus->edit, &QMenu::aboutToShow, this, &ToolWindow::syncMenusWithResults);
    if (m_menus->context)
        connect(m_menus->context, &QMenu::aboutToShow, this, &ToolWindow::syncMenusWithResults);
    m_popup = new RightClickPopup(
        [this] {
            aboutToPopUp();
            return popupMenu();
        },
        this);
    for (QWidget *w :
         {static_cast<QWidget *>(form), static_cast<QWidget *>(m_image), static_cast<QWidget *>(m_panel)})
        m_popup->watch(w);

    buildToolbars();
    m_status = new FrameStatusBar(this);
    setStatusBar(m_status);
    connect(m_status, &FrameStatusBar::restoreTopClicked, this, &ToolWindow::restoreTopToolbar);
    connect(m_status, &FrameStatusBar::restoreSideClicked, this, &ToolWindow::restoreSideToolbars);
    buildShortcuts();

    takeLauncherGeometry();
    updateScale();
    applyBackground();
    applyToolbarFlags();
    loadPanelColour();
    placePanelOnLoad();
    showIdleStatus();
}

ToolWindow::~ToolWindow()
{
    delete m_layout;
}

bool ToolWindow::isFullScreenDisplay() const
{
    return m_program.state.displayMode == DisplayMode::FullScreen;
}

int ToolWindow::twipsToPx(int twips) const
{
    return twipsToPixels(twips, logicalDpiX());
}

// ---- building ---------------------------------------------------------------

void ToolWindow::buildToolbars()
{
    m_top = new ActivityToolbar(m_config.topButtonCount, this);
    addToolBar(Qt::TopToolBarArea, m_top);
    connect(m_top, &ActivityToolbar::buttonClicked, this, &ToolWindow::onTopButton);
    if (m_config.disableUnusedTopButtons) {
        m_top->button(m_top->familyNamesButton())->setEnabled(false);
        m_top->button(m_top->soundButton())->setEnabled(false);
    }
    if (QToolButton *own = m_top->button(m_config.ownTopButton))
        own->setEnabled(false);

    m_side = new QToolBar(this);
    m_side->setObjectName(QStringLiteral("Toolbar2"));
    m_side->setMovable(false);
    m_side->setFloatable(false);
    m_side->setIconSize(QSize(24, 24));
    for (int i = 0; i < m_config.sideButtons.size(); ++i) {
        const SideButton &b = m_config.sideButtons[i];
        QAction *a = m_side->addAction(ToolbarIcons::glyph(b.glyph), b.toolTip);
        a->setObjectName(QStringLiteral("Toolbar2(%1)").arg(i + 1));
        a->setToolTip(b.toolTip);
        a->setEnabled(b.command != FrameCommand::Copy && b.command != FrameCommand::Print);
        connect(a, &QAction::triggered, this, [this, i] { onSideButton(i + 1); });
    }
    addToolBar(Qt::LeftToolBarArea, m_side);

    m_rightBorder = new QToolBar(this);
    m_rightBorder->setObjectName(QStringLiteral("Toolbar3"));
    m_rightBorder->setMovable(false);
    m_rightBorder->setFloatable(false);
    m_rightBorder->setMinimumWidth(8);
    addToolBar(Qt::RightToolBarArea, m_rightBorder);
}

void ToolWindow::buildShortcuts()
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (!dialogRunsOver(this))
            onEscape();
    });
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &ToolWindow::showHelp);
}

// The launcher's outer rectangle, frame included, so the window covers the
// launcher exactly and never runs past the screen in full screen display.
// Until the window manager has framed this window the launcher's own frame
// stands in for it; fitToLauncher() corrects that once the real one is known.
void ToolWindow::takeLauncherGeometry()
{
    QSize frame = frameExtent(*this);
    if (frame.isEmpty() && m_launcher)
        frame = frameExtent(*m_launcher);
    setOuterGeometry(*this, launcherOuterRect(m_program.state, *this), frame.expandedTo(QSize(0, 0)));
}

void ToolWindow::fitToLauncher()
{
    const QRect outer = launcherOuterRect(m_program.state, *this);
    if (frameGeometry() != outer)
        setOuterGeometry(*this, outer, frameExtent(*this));
}

void ToolWindow::updateScale()
{
    if (isFullScreenDisplay()) {
        // The design size is the outer size, as the launcher's is.
        const QSize outer = frameGeometry().size();
        m_layout->setScale(double(outer.width()) / twipsToPx(designWindowTwips.width()),
                           double(outer.height()) / twipsToPx(designWindowTwips.height()));
    } else {
        m_layout->setScale(1.0, 1.0);
    }
    m_layout->apply();
    m_panel->resize(m_layout->toPixels(m_config.panelDesignTwips));
    m_image->setGeometry(QRect(QPoint(0, 0), m_program.state.launcherGeometry.isValid()
                                                 ? m_program.state.launcherGeometry.size()
                                                 : size()));
}

void ToolWindow::applyBackground()
{
    const BackgroundValue &bg = m_program.state.background;
    if (bg.kind == BackgroundValue::Kind::Picture) {
        // A missing or unreadable picture leaves the window's own colour.
        QPixmap picture(m_program.findDataFile(bg.picture + QStringLiteral(".jpg")));
        if (!picture.isNull()) {
            m_image->setPixmap(picture);
            m_image->lower();
            m_image->show();
        }
        return;
    }
    const QColor colour = bg.kind == BackgroundValue::Kind::SystemDefault
                              ? systemDefaultColor()
                              : colorFromNumber(bg.colour, palette());
    QPalette p = centralWidget()->palette();
    p.setColor(QPalette::Window, colour);
    centralWidget()->setPalette(p);
}

void ToolWindow::applyToolbarFlags()
{
    m_top->setVisible(!m_program.state.topToolbarHidden);
    m_status->setRestoreTopShown(m_program.state.topToolbarHidden);
    const bool sideHidden = m_program.state.sideToolbarsHidden;
    m_side->setVisible(!sideHidden);
    m_rightBorder->setVisible(!sideHidden);
    m_status->setRestoreSideShown(sideHidden);
}

// ---- panel colour -------------------------------------------------------------

void ToolWindow::loadPanelColour()
{
    const std::optional<PanelColour> stored = m_program.settings.panelColour(m_config.tool);
    // Kept as read, so a later Yes to the colour question stores "Default" again.
    m_colourIsDefault = stored && stored->isDefault;
    if (!stored)
        applyPanelColour(m_config.designPanelColour);
    else if (stored->isDefault)
        applyPanelColour(systemDefaultColor());
    else
        applyPanelColour(colorFromNumber(stored->colour, palette()));
}

void ToolWindow::applyPanelColour(const QColor &colour)
{
    m_panelColour = colour;
    if (!m_colourWidget)
        return;
    QPalette p = m_colourWidget->palette();
    p.setColor(QPalette::Window, colour);
    m_colourWidget->setPalette(p);
    m_colourWidget->setAutoFillBackground(true);
}

void ToolWindow::setPanelColourWidget(QWidget *widget)
{
    // The panel itself falls back to the system default face, as its sub-panels.
    m_panel->setFaceColour(systemDefaultColor());
    m_colourWidget = widget ? widget : m_panel;
    applyPanelColour(m_panelColour);
}

void ToolWindow::choosePanelColour()
{
    setStatusText(QStringLiteral("Panel Color"));
    const std::optional<PanelColourPick> pick = PanelColourChoice::ask(
        m_program.prompter, this, m_panelColour, systemDefaultColor(), m_config.checkDefaultColourConflict);
    if (pick) {
        applyPanelColour(pick->colour);
        m_colourChanged = true;
        m_colourIsDefault = pick->isDefault;
    }
    showIdleStatus();
}

void ToolWindow::markColoursChanged()
{
    m_colourChanged = true;
}

void ToolWindow::storeColourChoice()
{
    m_program.settings.setPanelColour(m_config.tool, {m_colourIsDefault, numberFromColor(m_panelColour)});
}

// ---- placing ------------------------------------------------------------------

void ToolWindow::placeInPanel(QWidget *widget, const QRect &twips)
{
    widget->setParent(m_panel);
    placeScaled(widget, twips);
    widget->show();
}

void ToolWindow::placeScaled(QWidget *widget, const QRect &twips)
{
    m_layout->add(widget, twips);
    if (isVisible())
        m_layout->apply(); // the window's resize has scaled the others' fonts already
}

void ToolWindow::placePanelOnLoad()
{
    const QSize l = launcherSize(m_program.state, size());
    const QSize p = m_panel->size();
    placePanel((l.width() - p.width()) / 2, std::max(0, (l.height() - p.height()) / 2 - twipsToPx(130)));
}

void ToolWindow::placePanelOnActivation()
{
    const QSize l = launcherSize(m_program.state, size());
    const QSize p = m_panel->size();
    int top = l.height() / 2 - p.height() / 2 - twipsToPx(360);
    if (m_top->isVisibleTo(this)) {
        const int s = m_status->sizeHint().height();
        const int u = m_top->sizeHint().height();
        const int c = ((l.height() - p.height()) - s / 2) / 2;
        top = u + (c - u) / 2; // the toolbar sits at the top of the client area
    }
    placePanel(l.width() / 2 - p.width() / 2 - twipsToPx(30), top);
}

// Positions are in the client area under the menu bar, toolbars included.
void ToolWindow::placePanel(int clientLeft, int clientTop)
{
    if (layout())
        layout()->activate();
    const int menuHeight = menuWidget() && menuWidget()->isVisibleTo(this) ? menuWidget()->height() : 0;
    const QPoint form = centralWidget()->pos() - QPoint(0, menuHeight);
    // Never under the toolbars: the panel's caption and top controls stay visible.
    m_panel->move(clientLeft - form.x(), std::max(0, clientTop - form.y()));
}

// ---- activation and closing ---------------------------------------------------

void ToolWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activate();
}

void ToolWindow::activate()
{
    if (!m_fitted) {
        m_fitted = true;
        fitToLauncher(); // the window manager has framed the window by now
    }
    if (m_launcher && m_launcher->isVisible())
        m_launcher->hide();
    placePanelOnActivation();
    if (ReportPreview *preview = m_preview.ifBuilt())
        preview->windowActivated(isFullScreenDisplay());
    if (!m_image->pixmap().isNull())
        m_image->show();
    m_panel->show();
    showIdleStatus();
    if (!m_busyEnded) {
        m_busyEnded = true; // ends the hourglass the launcher showed while opening
        m_program.platform.setBusy(false);
    }
    onActivated();
}

void ToolWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const QPoint at = m_panel->pos();
    updateScale();
    m_panel->move(at);
}

void ToolWindow::exitStep()
{
    if (dialogRunsOver(this) || !confirmExit())
        return;
    if (m_colourChanged) {
        const Button answer = m_program.prompter.message(
            this, {QStringLiteral("Color Changes"), m_config.colourQuestion, Icon::Question,
                   int(Button::Yes) | int(Button::No), Button::Yes});
        if (answer == Button::Yes)
            storeColourChoice();
    }
    m_colourChanged = false;
    storeLeaveValues();
    close();
}

// A close that comes while a dialog runs over the window (queued, from the
// launcher's exit, from a test) would delete it under the code that opened the
// dialog: it is refused, as the dialog refuses the user's clicks meanwhile.
bool ToolWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Close && dialogRunsOver(this)) {
        event->ignore();
        return true;
    }
    return QMainWindow::event(event);
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    if (m_launcher) {
        // A maximised launcher keeps its place: under a window manager a move
        // would hand it back its normal size and the next tool would take that.
        if (!(m_launcher->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            m_launcher->move(pos());
        m_launcher->show();
    }
    event->accept();
}

// ---- commands -----------------------------------------------------------------

void ToolWindow::runCommand(FrameCommand command)
{
    switch (command) {
    case FrameCommand::PanelColour:
        choosePanelColour();
        break;
    case FrameCommand::Copy:
        copyResults();
        break;
    case FrameCommand::Print:
        openReport();
        break;
    case FrameCommand::Help:
        showHelp();
        break;
    case FrameCommand::Exit:
        exitStep();
        break;
    case FrameCommand::Custom:
        break;
    }
}

void ToolWindow::onTopButton(int number)
{
    if (number <= m_top->lastActivity()) {
        setStatusText(QStringLiteral("Loading"));
        exitStep();
    } else if (number == m_top->webSiteButton()) {
        setStatusText(QStringLiteral("Launching Web Site"));
        m_program.platform.openWebPage(QString());
    } else if (number == m_top->helpButton()) {
        showHelp();
    } else if (number == m_top->exitButton()) {
        exitStep();
    }
    if (isVisible()) // a refused exit leaves the window open and idle
        showIdleStatus();
}

void ToolWindow::onSideButton(int number)
{
    if (shownOverlay([](const Overlay &o) { return o.sideButtonsBeep; })) {
        m_program.platform.beep();
        return;
    }
    const FrameCommand command = m_config.sideButtons.value(number - 1).command;
    if (command == FrameCommand::Custom)
        onCustomSideButton(number);
    else
        runCommand(command);
}

void ToolWindow::openReport()
{
    if (ReportPreview *preview = reportPreview())
        preview->open();
}

void ToolWindow::showHelp()
{
    m_program.platform.showHelp(currentHelpId());
}

int ToolWindow::currentHelpId() const
{
    const Overlay *overlay = shownOverlay([](const Overlay &o) { return o.helpId != 0; });
    return overlay ? overlay->helpId : m_config.helpId;
}

void ToolWindow::onEscape()
{
    const Overlay *overlay = shownOverlay();
    if (!overlay)
        exitStep(); // not a plain close: the colour question must not be skipped
    else if (overlay->escape)
        overlay->escape();
    else
        overlay->panel->hide();
}

int ToolWindow::addOverlay(Overlay overlay)
{
    m_overlays.push_back(std::move(overlay));
    return int(m_overlays.size()) - 1;
}

void ToolWindow::setOverlayPanel(int overlay, QWidget *panel)
{
    m_overlays.at(size_t(overlay)).panel = panel;
}

const Overlay *ToolWindow::shownOverlay(const std::function<bool(const Overlay &)> &wanted) const
{
    for (const Overlay &overlay : m_overlays)
        if (overlay.panel && !overlay.panel->isHidden() && (!wanted || wanted(overlay)))
            return &overlay;
    return nullptr;
}

// ---- toolbars and status ------------------------------------------------------

void ToolWindow::restoreTopToolbar()
{
    m_program.state.topToolbarHidden = false;
    m_top->show();
    m_program.settings.clearTopToolbarOff();
    m_status->setRestoreTopShown(false);
    placePanelOnActivation();
}

void ToolWindow::restoreSideToolbars()
{
    m_side->show();
    m_rightBorder->show();
    m_program.state.sideToolbarsHidden = false;
    m_program.settings.writeSideToolbarFlag(0);
    m_status->setRestoreSideShown(false);
    if (m_top->isVisibleTo(this))
        placePanelOnActivation();
}

QString ToolWindow::statusText() const
{
    return m_status->text();
}

void ToolWindow::setStatusText(const QString &text)
{
    m_status->setText(text.isEmpty() ? m_config.caption : text);
}

void ToolWindow::showIdleStatus()
{
    m_status->setText(m_config.caption);
}

// ---- results ------------------------------------------------------------------

void ToolWindow::setResultsAvailable(bool copy, bool print)
{
    m_copyAvailable = copy;
    m_printAvailable = print;
    for (QAction *a : {m_menus->copy, m_menus->contextCopy})
        if (a)
            a->setEnabled(copy);
    for (QAction *a : {m_menus->print, m_menus->contextPrint})
        if (a)
            a->setEnabled(print);
    for (int i = 0; i < m_config.sideButtons.size(); ++i) {
        const FrameCommand c = m_config.sideButtons[i].command;
        if (c == FrameCommand::Copy || c == FrameCommand::Print)
            sideButton(i + 1)->setEnabled(c == FrameCommand::Copy ? copy : print);
    }
}

bool ToolWindow::hasResults() const
{
    return m_copyAvailable || m_printAvailable;
}

void ToolWindow::syncMenusWithResults()
{
    const bool results = hasResults();
    if (sender() == m_menus->edit) {
        m_menus->copy->setEnabled(results);
        for (int i = 0; i < m_config.sideButtons.size(); ++i)
            if (m_config.sideButtons[i].command == FrameCommand::Copy)
                sideButton(i + 1)->setEnabled(results);
        return;
    }
    for (QAction *a : {m_menus->contextCopy, m_menus->contextPrint})
        if (a)
            a->setEnabled(results);
}

// ---- subclass helpers and accessors ---------------------------------------------

void ToolWindow::installContextPopup(QWidget *widget)
{
    m_popup->watch(widget);
}

void ToolWindow::attachReportPreview(std::function<ReportPreview *()> make)
{
    m_preview = LazyWidget<ReportPreview>([this, make = std::move(make)] { return placePreview(make()); });
    m_previewOverlay = addOverlay({nullptr, m_config.previewHelpId, true, [this] {
                                       ReportPreview *preview = m_preview.ifBuilt();
                                       if (preview->isEnlarged()) {
                                           preview->toggleEnlarge();
                                       } else {
                                           preview->cancel();
                                           showIdleStatus();
                                       }
                                   }});
}

// Most windows close without ever printing, so the preview is built when first asked for.
ReportPreview *ToolWindow::placePreview(ReportPreview *preview)
{
    preview->setParent(m_panel);
    const QSize p = m_config.panelDesignTwips;
    m_layout->addTree(preview, QRect(QPoint((p.width() - previewDesignTwips.width()) / 2,
                                            (p.height() - previewDesignTwips.height()) / 2),
                                     previewDesignTwips));
    if (isVisible())
        m_layout->apply(); // fonts scale in full screen display
    preview->raise();
    connect(preview, &ReportPreview::statusTextChanged, this, &ToolWindow::setStatusText);
    setOverlayPanel(m_previewOverlay, preview);
    if (m_fitted)
        preview->windowActivated(isFullScreenDisplay());
    return preview;
}

QMenu *ToolWindow::addToolMenu(const QString &title, const QString &name)
{
    return m_menus->insertMenu(title, name);
}

bool ToolWindow::isPreviewShown() const
{
    const ReportPreview *preview = m_preview.ifBuilt();
    return preview && preview->isShown();
}

QWidget *ToolWindow::mainPanel() const
{
    return m_panel;
}

ReportPreview *ToolWindow::reportPreview()
{
    return m_preview.get();
}

QAction *ToolWindow::sideButton(int number) const
{
    const QList<QAction *> actions = m_side->actions();
    return number >= 1 && number <= actions.size() ? actions[number - 1] : nullptr;
}

void ToolWindow::installGridPopup(Grid *grid)
{
    connect(grid, &Grid::mouseReleased, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton) {
            aboutToPopUp();
            popupMenu()->popup(QCursor::pos());
        }
    });
}

QMenu *ToolWindow::optionsMenu() const
{
    return m_menus->options;
}
QMenu *ToolWindow::editMenu() const
{
    return m_menus->edit;
}
QMenu *ToolWindow::popupMenu() const
{
    return m_menus->popup();
}

} // namespace tq
