// bench_startup [runs]: starts itself as a child process, in turn as a bare
// Qt Widgets program, as Tallyquill's launcher and as the launcher that then
// opens the home budget, and reports the median wall time of each and their ratios.
// bench_startup --child minimal|launcher|budget <folder>: one start-up, then
// exit once the (last) window has been painted.
#include "app/registertools.h"
#include "app/startfrm.h"
#include "app/toolopener.h"
#include "components/program.h"
#include "unattended.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// Notes the first paint of a top-level window: both children stop the clock
// at the same point, when their window is on the screen.
class FirstPaint : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
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

int runChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstPaint paint;
    app.installEventFilter(&paint);
    if (std::strcmp(argv[2], "minimal") == 0) {
        QWidget w;
        w.show();
        // The launcher yields once right after showing; so does the baseline,
        // so neither child waits on the event loop for a paint the other gets at once.
        QApplication::processEvents();
        return waitForPaint(paint);
    }
    const QDir folder(QString::fromLocal8Bit(argv[3]));
    tq::DefaultAnswerPrompter prompter;
    tq::DesktopPlatform platform(tq::Program::findDataFile(folder, QStringLiteral("help")));
    tq::SystemClock clock;
    tq::Program program(folder, prompter, platform, clock);
    tq::ToolOpener tools(program);
    tq::registerTools(tools);
    tq::Startfrm launcher(program, tools);
    launcher.start();
    const int painted = waitForPaint(paint);
    if (std::strcmp(argv[2], "budget") != 0 || painted != 0)
        return painted;
    paint.painted = false;
    tools.open(tq::ToolId::Budget, &launcher);
    return waitForPaint(paint);
}

double timeChild(const QString &self, const QString &kind, const QString &folder)
{
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    child.start(self, {QStringLiteral("--child"), kind, folder});
    child.waitForFinished(60000);
    if (child.exitCode() != 0)
        std::fprintf(stderr, "%s start-up never painted its window\n", qPrintable(kind));
    return timer.nsecsElapsed() / 1e6;
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
    // An installed launcher finds the build-painted banknote in its program folder.
    QFile::copy(QStringLiteral(TQ_BANKNOTE_PICTURE),
                QDir(folder.path()).filePath(QStringLiteral("banknote.png")));
    const QString self = QCoreApplication::applicationFilePath();
    timeChild(self, QStringLiteral("launcher"),
              folder.path()); // warm the file cache; creates the settings files
    timeChild(self, QStringLiteral("minimal"), folder.path());
    QList<double> minimal, launcher, budget;
    for (int i = 0; i < runs; ++i) {
        minimal << timeChild(self, QStringLiteral("minimal"), folder.path());
        launcher << timeChild(self, QStringLiteral("launcher"), folder.path());
        budget << timeChild(self, QStringLiteral("budget"), folder.path());
    }
    const double m = median(minimal), l = median(launcher), b = median(budget);
    std::printf("start-up, median of %d runs: bare Qt Widgets %.1f ms, launcher %.1f ms, ratio %.2f (target "
                "at most 1.50)\n",
                runs, m, l, l / m);
    std::printf(
        "launcher opening the home budget %.1f ms, %.2f of the launcher alone (target at most 1.50)\n", b,
        b / l);
    return 0;
}
