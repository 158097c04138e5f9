#pragma once
// A program context whose folder holds a full year file for 2007, the year
// its pinned clock shows, with the smaller screen display of an 800 x 600 launcher.
#include "components/program.h"
#include "fullyear.h"
#include "unattended.h"

#include <QWidget>

namespace tq::bench {

struct FullYearProgram {
    QTemporaryDir dir;
    DefaultAnswerPrompter prompter;
    SilentPlatform platform;
    PinnedClock clock; // 2007
    Program program{QDir(dir.path()), prompter, platform, clock};
    QWidget launcher;
    FullYearProgram()
    {
        program.state.displayMode = DisplayMode::Smaller;
        program.state.launcherGeometry = QRect(0, 0, 800, 600);
        yearfile::save(program.folder, year, fullYear());
    }
};

} // namespace tq::bench
