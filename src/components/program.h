#pragma once
// The program-wide context built once in main and handed to every window.
#include "common/settings.h"
#include "components/clock.h"
#include "components/fontchoice.h"
#include "components/platform.h"
#include "components/prompter.h"

#include <QDir>
#include <QRect>

namespace tq {

enum class DisplayMode { FullScreen = 0, Smaller = 9 };

struct AppState {
    DisplayMode displayMode = DisplayMode::FullScreen;
    QRect launcherGeometry; // outer frame, pixels
    QSize launcherSize;     // recorded outer size, pixels (ordinary ints: any screen fits)
    BackgroundValue background;
    bool topToolbarHidden = false;   // stored as the flag value 99
    bool sideToolbarsHidden = false; // stored as the flag value 88; never set by the program
    QString familyName;
    FontChoice printFont{QStringLiteral("Times New Roman"), 14};
};

struct Program {
    QDir folder;
    Settings settings;
    AppState state;
    Prompter &prompter;
    Platform &platform;
    Clock &clock;

    Program(QDir dir, Prompter &p, Platform &pl, Clock &c)
        : folder(dir), settings(dir), prompter(p), platform(pl), clock(c)
    {
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Finds a shipped file (picture, help page) in the program folder first,
    // then in the installed data folder. Empty when neither has it.
    QString findDataFile(const QString &name) const { return findDataFile(folder, name); }
    // The same search for a program folder before its Program exists.
    static QString findDataFile(const QDir &programFolder, const QString &name);
};

// Shows the busy pointer for the lifetime of the guard.
class BusyPointer
{
public:
    explicit BusyPointer(Platform &platform) : m_platform(platform) { m_platform.setBusy(true); }
    ~BusyPointer() { m_platform.setBusy(false); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    Platform &m_platform;
};

} // namespace tq
