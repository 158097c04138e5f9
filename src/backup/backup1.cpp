#include "backup/backup1.h"

#include "backup/foldertree.h"
#include "common/twips.h"
#include "components/colours.h"
#include "components/program.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace tq {

using namespace backup;

namespace {

// The design client area below the menu bar, in twips.
constexpr int designWidth = 7400;
constexpr int designHeight = 6900;
constexpr int progressEnd = 1000;
constexpr int progressFrames = 40;

constexpr QRect drivesCaption(240, 1860, 900, 285);
constexpr QRect drivesList(240, 2160, 6900, 330);
constexpr QRect foldersCaption(240, 2600, 900, 285);
constexpr QRect foldersList(240, 2900, 6900, 2160);
constexpr QRect pathCaption(240, 5160, 600, 285);
constexpr QRect pathLabel(870, 5160, 6270, 285); // 30 twips right of its caption
constexpr QRect statusPanel(240, 5520, 6900, 375);
constexpr QRect progressBar(240, 5940, 6900, 240);
constexpr QRect operationButton(240, 6300, 3600, 450);
constexpr QRect exitButton(5640, 6300, 1500, 450);

} // namespace

Backup1::Backup1(Program &program, int year, Mode mode, QWidget *parent)
    : Backup1(program, year, mode, parent, Services{})
{
}

Backup1::Backup1(Program &program, int year, Mode mode, QWidget *parent, const Services &services)
    : QDialog(parent), m_program(program), m_year(year), m_mode(mode),
      m_volumes(services.volumes ? *services.volumes : m_mounted),
      m_files(services.files ? *services.files : m_disk), m_pauseMs(services.progressPauseMs)
{
    setObjectName(QStringLiteral("Backup1"));
    setModal(true);
    setWindowTitle(backup::windowTitle(mode, year));
    m_layout.setDpi(logicalDpiX());
    buildControls();
    buildMenu();
    applyColours();
    fillDrives();
    placeOverLauncher();
}

QLabel *Backup1::addLabel(const QString &name, const QString &text, const QRect &twips)
{
    auto *label = new QLabel(text, m_content);
    label->setObjectName(name);
    m_layout.add(label, twips);
    return label;
}

void Backup1::buildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_content = new QWidget(this);
    outer->addWidget(m_content);

    m_picture = new QLabel(m_content);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setScaledContents(true);
    m_picture->hide();

    const int explanationTop = m_mode == Mode::Restore ? 60 : 300;
    QLabel *explanation =
        addLabel(QStringLiteral("Label1"), QString(backup::explanation(m_mode, m_year)).replace(u'\r', u'\n'),
                 QRect(240, explanationTop, 6900, 1800 - explanationTop));
    explanation->setWordWrap(true);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanation->setMargin(4);

    QLabel *drivesLabel = addLabel(QStringLiteral("Label2"), QStringLiteral("Drives:"), drivesCaption);
    m_drives = new QComboBox(m_content);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    drivesLabel->setBuddy(m_drives);
    m_layout.add(m_drives, drivesList);

    QLabel *foldersLabel = addLabel(QStringLiteral("Label3"), QStringLiteral("Folders:"), foldersCaption);
    m_folders = new FolderTree(m_content);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_folders->setAccessibleName(QStringLiteral("Folders:"));
    foldersLabel->setBuddy(m_folders);
    m_layout.add(m_folders, foldersList);

    QLabel *pathCaptionLabel = addLabel(QStringLiteral("Label4"), QStringLiteral("Path:"), pathCaption);
    m_path = addLabel(QStringLiteral("Label5"), QString(), pathLabel);
    m_path->setAccessibleDescription(pathCaptionLabel->text());

    m_status = addLabel(QStringLiteral("SSPanel2"), QString(), statusPanel);
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->hide();

    m_progress = new QProgressBar(m_content);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_layout.add(m_progress, progressBar);

    m_operation = new QPushButton(operationCaption(m_mode, m_year), m_content);
    m_operation->setObjectName(QStringLiteral("SSCommand2"));
    m_operation->setEnabled(false);
    m_layout.add(m_operation, operationButton);
    connect(m_operation, &QPushButton::clicked, this, &Backup1::runOperation);

    auto *exit = new QPushButton(QStringLiteral("E&xit"), m_content);
    exit->setObjectName(QStringLiteral("SSCommand1"));
    m_layout.add(exit, exitButton);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_drives, &QComboBox::currentIndexChanged, this, &Backup1::driveChanged);
    connect(m_folders, &FolderTree::pathChanged, this, &Backup1::folderChanged);
}

void Backup1::buildMenu()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    m_options = bar->addMenu(QStringLiteral("&Options"));
    m_options->setObjectName(QStringLiteral("mO"));
    const bool backingUp = m_mode == Mode::Backup;
    m_modeItem = m_options->addAction(backingUp ? QStringLiteral("&Make Backup Disk")
                                                : QStringLiteral("&Restore Files from Disk"));
    m_modeItem->setObjectName(backingUp ? QStringLiteral("mOM") : QStringLiteral("mOR"));
    m_modeItem->setEnabled(false);
    connect(m_modeItem, &QAction::triggered, this, &Backup1::runOperation);
    m_options->addSeparator();
    QAction *exit = m_options->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mOE"));
    connect(exit, &QAction::triggered, this, &QDialog::reject);

    // The window, the folder caption and both buttons offer the menu on a right click.
    for (QWidget *w :
         {static_cast<QWidget *>(this), m_content, findChild<QWidget *>(QStringLiteral("Label3")),
          static_cast<QWidget *>(m_operation), findChild<QWidget *>(QStringLiteral("SSCommand1"))}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint &at) { m_options->popup(w->mapToGlobal(at)); });
    }
}

void Backup1::applyColours()
{
    const BackgroundValue &bg = m_program.state.background;
    QPalette window = palette();
    window.setColor(QPalette::Window, bg.kind == BackgroundValue::Kind::SystemDefault
                                          ? systemDefaultColor()
                                          : colorFromNumber(bg.colour, palette()));
    if (bg.kind == BackgroundValue::Kind::Picture) {
        const QPixmap picture(m_program.findDataFile(bg.picture + QStringLiteral(".jpg")));
        if (!picture.isNull()) {
            m_picture->setPixmap(picture);
            m_picture->show();
            m_picture->lower();
        }
        window.setColor(QPalette::Window, systemDefaultColor());
    }
    m_content->setAutoFillBackground(true);
    m_content->setPalette(window);
    // Texts sit on the face colour so they stay readable on any background.
    QPalette face = palette();
    face.setColor(QPalette::Window, systemDefaultColor());
    for (QLabel *label : m_content->findChildren<QLabel *>()) {
        if (label == m_picture)
            continue;
        label->setAutoFillBackground(true);
        label->setPalette(face);
    }
}

void Backup1::fillDrives()
{
    m_volumeList = m_volumes.volumes();
    const QString programFolder = m_program.folder.absolutePath();
    int index = volumeHolding(m_volumeList, programFolder);
    if (index < 0) {
        m_volumeList.append({programFolder, programFolder});
        index = int(m_volumeList.size()) - 1;
    }
    const QSignalBlocker quiet(m_drives);
    for (const Volume &volume : std::as_const(m_volumeList))
        m_drives->addItem(volume.label, volume.root);
    m_drives->setCurrentIndex(index);
    m_folders->showFolder(m_volumeList[index].root, programFolder);
    // Until the first change the path label shows the drive.
    m_path->setText(m_volumeList[index].root);
}

void Backup1::placeOverLauncher()
{
    const QRect launcher = m_program.state.launcherGeometry.isValid()
                               ? m_program.state.launcherGeometry
                               : (parentWidget() ? parentWidget()->window()->frameGeometry() : QRect());
    const int menuHeight = layout()->menuBar()->sizeHint().height();
    QSize size(twipsToPixels(designWidth, logicalDpiX()),
               twipsToPixels(designHeight, logicalDpiY()) + menuHeight);
    const QSize frame = frameGeometry().size() - this->size();
    if (m_program.state.displayMode == DisplayMode::FullScreen && launcher.isValid())
        size = QSize(int(launcher.width() * 0.6), int(launcher.height() * 0.712)) - frame; // outer size
    resize(size);
    const QSize outer = size + frame;
    if (launcher.isValid())
        move(launcher.center().x() - outer.width() / 2,
             launcher.center().y() + twipsToPixels(415, logicalDpiY()) - outer.height() / 2);
}

void Backup1::showEvent(QShowEvent *event)
{
    // Again now that the window has its frame: the sizes are outer sizes.
    placeOverLauncher();
    QDialog::showEvent(event);
    m_drives->setFocus();
}

void Backup1::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const bool scale = m_program.state.displayMode == DisplayMode::FullScreen;
    const QSize design(twipsToPixels(designWidth, logicalDpiX()), twipsToPixels(designHeight, logicalDpiY()));
    m_layout.setScale(scale ? double(m_content->width()) / design.width() : 1.0,
                      scale ? double(m_content->height()) / design.height() : 1.0);
    m_layout.apply();
    m_picture->setGeometry(twipsToPixels(60, logicalDpiX()), 0,
                           m_content->width() - twipsToPixels(120, logicalDpiX()), m_content->height());
}

// ---- choosing the location ---------------------------------------------------

void Backup1::driveChanged(int index)
{
    if (index < 0 || index >= m_volumeList.size())
        return;
    if (m_volumes.isReady(m_volumeList[index].root)) {
        showVolume(index);
        updateOperationButton();
    } else {
        ask(driveUnavailable(), Icon::Critical, int(Button::Ok), Button::Ok);
        const QSignalBlocker quiet(m_drives);
        m_drives->setCurrentIndex(0); // the system volume
        showVolume(0);
        m_operation->setEnabled(false);
    }
    m_path->setText(m_folders->path());
    m_modeItem->setEnabled(!m_restored);
}

void Backup1::showVolume(int index)
{
    const QString root = m_volumeList[index].root;
    m_folders->showFolder(root, root);
}

void Backup1::folderChanged(const QString &path)
{
    m_path->setText(path);
    updateOperationButton();
}

void Backup1::updateOperationButton()
{
    m_operation->setEnabled(!m_restored && !isProgramFolder(m_folders->path(), m_program.folder));
}

void Backup1::showStatus(const QString &text)
{
    m_status->setText(text);
    m_status->show();
    m_status->repaint();
}

void Backup1::playProgress()
{
    // A short animation after the copy has finished; it repaints only the
    // bar, so no other event runs meanwhile.
    m_progress->setRange(0, progressEnd);
    m_progress->setValue(0);
    m_progress->show();
    for (int frame = 1; frame <= progressFrames; ++frame) {
        m_progress->setValue(progressEnd * frame / progressFrames);
        m_progress->repaint();
        if (m_pauseMs > 0)
            QThread::msleep(ulong(m_pauseMs));
    }
    m_progress->hide();
}

// ---- operations ----------------------------------------------------------------

void Backup1::runOperation()
{
    if (m_restored)
        return;
    if (m_mode == Mode::Backup)
        runBackup();
    else
        runRestore();
}

Button Backup1::ask(const Notice &text, Icon icon, Buttons buttons, Button defaultButton)
{
    return m_program.prompter.message(this, {text.title, text.text, icon, buttons, defaultButton});
}

bool Backup1::confirmDelete()
{
    const Notice question{deleteQuestionTitle(), deleteQuestion(m_mode, m_year, m_path->text())};
    return ask(question, Icon::Question, int(Button::Yes) | int(Button::No) | int(Button::Cancel),
               Button::No) == Button::Yes;
}

void Backup1::runBackup()
{
    if (!confirmDelete())
        return;
    const QString folder = chosenFolder(m_folders->path());
    std::optional<BusyPointer> busy(std::in_place, m_program.platform);
    showStatus(statusDeleting());
    for (;;) {
        const BackupOutcome outcome = backupYear(m_files, m_program.folder, folder, m_year);
        if (outcome == BackupOutcome::Copied)
            break;
        busy.reset();
        if (outcome == BackupOutcome::YearFileUnreadable) {
            ask(yearFileUnreadable(m_program.folder.filePath(yearFileName(m_year))), Icon::Critical,
                int(Button::Ok), Button::Ok);
            showStatus(QString());
            return;
        }
        if (ask(backupDiskFull(), Icon::Information, int(Button::Ok) | int(Button::Cancel), Button::Ok) !=
            Button::Ok) {
            ask(backupCancelled(), Icon::Information, int(Button::Ok), Button::Ok);
            showStatus(statusBackupCancelled());
            return;
        }
        busy.emplace(m_program.platform);
    }
    showStatus(statusMaking(m_year));
    playProgress();
    busy.reset();
    showStatus(statusBackupComplete());
}

void Backup1::runRestore()
{
    while (confirmDelete()) {
        std::optional<BusyPointer> busy(std::in_place, m_program.platform);
        showStatus(statusRestoring(m_year));
        const RestoreOutcome outcome =
            restoreYear(m_files, m_program.folder, chosenFolder(m_folders->path()), m_year);
        if (outcome == RestoreOutcome::Restored) {
            playProgress();
            showStatus(statusRestored());
            m_restored = true;
            m_operation->setEnabled(false);
            m_modeItem->setEnabled(false);
            return;
        }
        busy.reset();
        if (outcome == RestoreOutcome::WriteFailed) {
            ask(restoreNotWritten(m_year, m_program.folder.filePath(yearFileName(m_year))), Icon::Critical,
                int(Button::Ok), Button::Ok);
            showStatus(statusRestoreFailed());
            return;
        }
        ask(restoreDiskError(), Icon::Critical, int(Button::Ok), Button::Ok);
        showStatus(QString());
    }
}

} // namespace tq
