// bench_startup [runs]: starts itself as a child process, in turn as a bare
// Qt Widgets program (an empty window, and a window with one line of text,
// which costs the font set-up any window with text pays), as Tallyquill's
// launcher and as the launcher that then opens each tool window (the budget
// over a full year), and reports the median wall time of each start-up, the
// launcher's resident memory and how long each tool window took to reach the
// screen against the launcher's start-up. A start-up runs from starting the
// process to its window's first paint (closing down is not counted). It runs
// on the platform the environment names: offscreen, or a private X server as
// a user would see it.
// bench_startup --child minimal|labelled|launcher|<tool> <folder>: one
// start-up, then exit once the (last) window has been painted. A child prints
// when its first window was painted (milliseconds on the steady clock), then a
// tool child the milliseconds from the opening request to the tool window's
// paint and to the window being built, the launcher child its resident kilobytes.
#include "app/registertools.h"
#include "app/startfrm.h"
#include "app/toolopener.h"
#include "budgetengine/budgetyears.h"
#include "components/program.h"
#include "fullyear.h"
#include "unattended.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

// Notes the first paint of a top-level window: both children stop the clock
// at the same point, when their window is on the screen.
class FirstPaint : public QObject
{
public:
    bool painted = false;
    QWidget *only = nullptr; // when set, the launcher's own repaints do not count

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow() && (!only || watched == only))
            painted = true;
        return false;
    }
};

// Children are painted in the same pass as their window, so the whole window is
// on the screen once its first paint has been seen and the pass has returned;
// one more pass handles what start-up queued after that paint.
int waitForPaint(const FirstPaint &paint)
{
    QElapsedTimer limit;
    limit.start();
    while (!paint.painted && limit.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 50);
    QApplication::processEvents();
    return paint.painted ? 0 : 1;
}

const std::map<QString, tq::ToolId> tools = {
    {QStringLiteral("budget"), tq::ToolId::Budget},   {QStringLiteral("homecalc"), tq::ToolId::HomeCalc},
    {QStringLiteral("loan"), tq::ToolId::Loan},       {QStringLiteral("actuarial"), tq::ToolId::Actuarial},
    {QStringLiteral("scicalc"), tq::ToolId::SciCalc},
};

// Now on the steady clock, which parent and children share, in milliseconds.
double steadyMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Resident set size of this process in KiB, from /proc.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

int runChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstPaint paint;
    app.installEventFilter(&paint);
    if (std::strcmp(argv[2], "minimal") == 0 || std::strcmp(argv[2], "labelled") == 0) {
        QWidget w;
        if (std::strcmp(argv[2], "labelled") == 0)
            new QLabel(QStringLiteral("Tallyquill"), &w);
        w.show();
        // The launcher yields once right after showing; so does the baseline,
        // so neither child waits on the event loop for a paint the other gets at once.
        QApplication::processEvents();
        const int painted = waitForPaint(paint);
        std::printf("%.3f\n", steadyMs());
        return painted;
    }
    const QDir folder(QString::fromLocal8Bit(argv[3]));
    tq::DefaultAnswerPrompter prompter;
    tq::DesktopPlatform platform(tq::Program::findDataFile(folder, QStringLiteral("help")));
    tq::SystemClock clock;
    tq::Program program(folder, prompter, platform, clock);
    tq::ToolOpener opener(program);
    tq::registerTools(opener);
    tq::Startfrm launcher(program, opener);
    launcher.start();
    const int painted = waitForPaint(paint);
    std::printf("%.3f ", steadyMs());
    const auto tool = tools.find(QString::fromLatin1(argv[2]));
    if (tool == tools.end() || painted != 0) {
        std::printf("%ld\n", residentKiB());
        return painted;
    }
    paint.painted = false;
    QElapsedTimer opening;
    opening.start();
    program.platform.setBusy(true); // as the launcher's menu does before opening
    paint.only = opener.open(tool->second, &launcher);
    const double built = opening.nsecsElapsed() / 1e6;
    const int toolPainted = waitForPaint(paint);
    std::printf("%.3f %.3f\n", opening.nsecsElapsed() / 1e6, built);
    return toolPainted;
}

struct ChildRun {
    double startUpMs;
    QList<double> printed; // opening and building milliseconds, or resident KiB
};

ChildRun runChildProcess(const QString &self, const QString &kind, const QString &folder)
{
    QProcess child;
    const double started = steadyMs();
    child.start(self, {QStringLiteral("--child"), kind, folder});
    child.waitForFinished(60000);
    if (child.exitCode() != 0)
        std::fprintf(stderr, "%s start-up never painted its window\n", qPrintable(kind));
    QList<double> printed;
    for (const QByteArray &number : child.readAllStandardOutput().simplified().split(' '))
        printed << number.toDouble();
    const double shown = printed.isEmpty() ? started : printed.takeFirst();
    return {shown - started, printed};
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    QTemporaryDir folder;
    // The budget opens on this year's file, kept for the whole year.
    tq::yearfile::save(QDir(folder.path()), tq::years::today(QDate::currentDate()), tq::bench::fullYear());
    const QString self = QCoreApplication::applicationFilePath();
    runChildProcess(self, QStringLiteral("launcher"),
                    folder.path()); // warm the file cache; creates the settings files
    runChildProcess(self, QStringLiteral("minimal"), folder.path());
    QList<double> minimal, labelled, launcher, resident;
    std::map<QString, QList<double>> opening, building; // building: until the window is built, not shown
    for (int i = 0; i < runs; ++i) {
        minimal << runChildProcess(self, QStringLiteral("minimal"), folder.path()).startUpMs;
        labelled << runChildProcess(self, QStringLiteral("labelled"), folder.path()).startUpMs;
        const ChildRun l = runChildProcess(self, QStringLiteral("launcher"), folder.path());
        launcher << l.startUpMs;
        resident << l.printed.value(0);
        for (const auto &[name, id] : tools) {
            const ChildRun t = runChildProcess(self, name, folder.path());
            opening[name] << t.printed.value(0);
            building[name] << t.printed.value(1);
        }
    }
    const double m = median(minimal), t = median(labelled), l = median(launcher);
    std::printf(
        "start-up on %s, median of %d runs: bare Qt Widgets %.1f ms (with a line of text %.1f ms), "
        "launcher %.1f ms, ratio %.2f (%.2f; target at most 1.25), launcher resident %.1f MiB (target "
        "at most 35)\n",
        qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("the default platform"))), runs, m,
        t, l, l / m, l / t, median(resident) / 1024);
    for (const auto &[name, times] : opening) {
        const double t = median(times);
        std::printf(
            "opening %-9s %.1f ms (built in %.1f), %.2f of the launcher's start-up (target at most %.2f)\n",
            qPrintable(name), t, median(building[name]), t / l,
            name == QStringLiteral("budget") ? 0.35 : 0.30);
    }
    return 0;
}
