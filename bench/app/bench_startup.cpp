// bench_startup [runs]: starts itself as a child process, alternately as a bare
// Qt Widgets program and as Tallyquill's launcher, and reports the median
// wall time of each and their ratio.
// bench_startup --child minimal|launcher <folder>: one start-up, then exit.
#include "app/registertools.h"
#include "app/startfrm.h"
#include "app/toolopener.h"
#include "components/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// Answers nothing: the launcher shows no dialog on a clean start.
class NoPrompter : public tq::Prompter
{
public:
    tq::Button message(QWidget *, const tq::Message &m) override { return m.defaultButton; }
    QString input(QWidget *, const QString &, const QString &, const QString &i) override { return i; }
    std::optional<QColor> colour(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<tq::FontChoice> font(QWidget *, const tq::FontChoice &) override { return std::nullopt; }
    bool pageSetup(QWidget *, QPrinter &) override { return false; }
    bool printDialog(QWidget *, QPrinter &) override { return false; }
};

int runChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (std::strcmp(argv[2], "minimal") == 0) {
        QWidget w;
        w.show();
        QApplication::processEvents();
        return 0;
    }
    const QDir folder(QString::fromLocal8Bit(argv[3]));
    NoPrompter prompter;
    tq::DesktopPlatform platform(tq::Program::findDataFile(folder, QStringLiteral("help")));
    tq::SystemClock clock;
    tq::Program program(folder, prompter, platform, clock);
    tq::ToolOpener tools(program);
    tq::registerTools(tools);
    tq::Startfrm launcher(program, tools);
    launcher.start();
    QApplication::processEvents();
    return 0;
}

double timeChild(const QString &self, const QString &kind, const QString &folder)
{
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    child.start(self, {QStringLiteral("--child"), kind, folder});
    child.waitForFinished(60000);
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
    const QString self = QCoreApplication::applicationFilePath();
    timeChild(self, QStringLiteral("launcher"), folder.path()); // warm the file cache; creates the settings files
    timeChild(self, QStringLiteral("minimal"), folder.path());
    QList<double> minimal, launcher;
    for (int i = 0; i < runs; ++i) {
        minimal << timeChild(self, QStringLiteral("minimal"), folder.path());
        launcher << timeChild(self, QStringLiteral("launcher"), folder.path());
    }
    const double m = median(minimal), l = median(launcher);
    std::printf("start-up, median of %d runs: bare Qt Widgets %.1f ms, launcher %.1f ms, ratio %.2f (target at most 1.50)\n",
                runs, m, l, l / m);
    return 0;
}
