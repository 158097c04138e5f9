#pragma once
// Backup1: copies the selected budget year's file to another volume or
// folder, or restores it from there. The budget window builds it over itself
// and runs it through the prompter's dialog seam (tests script it by its name
// "Backup1"), and afterwards reloads the year (backup) or runs its opening sequence again
// (restore). Year and mode are fixed for the window's lifetime; the window
// never changes the current folder, so the budget's file names stay valid.
#include "backup/backupcopy.h"
#include "backup/backuptexts.h"
#include "backup/volumes.h"
#include "components/prompter.h"
#include "frame/proportionallayout.h"

#include <QDialog>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

namespace tq {

struct Program;

namespace backup {
class FolderTree;
}

class Backup1 : public QDialog
{
    Q_OBJECT
public:
    // What the window works with; tests replace the volumes, the file access
    // and the pause between progress steps.
    struct Services {
        const backup::VolumeSource *volumes = nullptr; // the mounted volumes when null
        backup::FileAccess *files = nullptr;           // the disk when null
        int progressPauseMs = 5;
    };

    Backup1(Program &program, int year, backup::Mode mode, QWidget *parent = nullptr);
    Backup1(Program &program, int year, backup::Mode mode, QWidget *parent, const Services &services);

    // Runs the backup or restore for the folder shown, as the operation button does.
    void runOperation();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    QLabel *addLabel(const QString &name, const QString &text, const QRect &twips);
    void applyColours();
    void fillDrives();
    void placeOverLauncher();

    void driveChanged(int index);
    void folderChanged(const QString &path);
    void showVolume(int index);
    void updateOperationButton();
    void showStatus(const QString &text);
    void playProgress();

    void runBackup();
    void runRestore();
    bool confirmDelete();
    Button ask(const Notice &text, Icon icon, Buttons buttons, Button defaultButton);

    Program &m_program;
    backup::MountedVolumes m_mounted;
    backup::DiskFileAccess m_disk;
    const int m_year;
    const backup::Mode m_mode;
    const backup::VolumeSource &m_volumes;
    backup::FileAccess &m_files;
    const int m_pauseMs;
    QList<backup::Volume> m_volumeList;
    bool m_restored = false;

    QWidget *m_content = nullptr;
    QLabel *m_picture = nullptr;
    QComboBox *m_drives = nullptr;
    backup::FolderTree *m_folders = nullptr;
    QLabel *m_path = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_operation = nullptr;
    QMenu *m_options = nullptr;
    QAction *m_modeItem = nullptr;
    ProportionalLayout m_layout;
};

} // namespace tq
