// snapshot [output-folder] [scene-name-prefix]: renders every registered scene,
// each in a fresh temporary program folder, to PNG files.
#include "snapshot.h"

#include "components/program.h"
#include "unattended.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QWidget>
#include <map>

namespace tq::snapshot {

namespace {

std::map<std::string, Scene> &scenes()
{
    static std::map<std::string, Scene> all;
    return all;
}

} // namespace

bool registerScene(const char *name, Scene scene)
{
    scenes().emplace(name, std::move(scene));
    return true;
}

void Context::save(QWidget *widget, const QString &name) const
{
    QWidget *w = widget->window() == widget ? widget : widget;
    saveImage(w->grab().toImage(), name);
}

void Context::saveImage(const QImage &image, const QString &name) const
{
    image.save(QDir(outputFolder).filePath(name + QStringLiteral(".png")));
}

Context &Context::useDisplay(DisplayMode mode, const QRect &launcherGeometry)
{
    program.state.displayMode = mode;
    if (launcherGeometry.isValid())
        program.state.launcherGeometry = launcherGeometry;
    else
        program.state.launcherGeometry =
            mode == DisplayMode::FullScreen ? QRect(0, 0, 1366, 740) : QRect(0, 0, 800, 600);
    return *this;
}

} // namespace tq::snapshot

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    const QString prefix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(out);
    using namespace tq::snapshot;
    int rendered = 0;
    for (auto &[name, scene] : scenes()) {
        if (!QString::fromStdString(name).startsWith(prefix))
            continue;
        QTemporaryDir folder;
        tq::DefaultAnswerPrompter prompter;
        tq::SilentPlatform platform;
        tq::PinnedClock clock;
        tq::Program program(QDir(folder.path()), prompter, platform, clock);
        Context ctx{program, out};
        scene(ctx);
        QApplication::processEvents();
        ++rendered;
    }
    qInfo("%d scene(s) rendered into %s", rendered, qPrintable(out));
    return 0;
}
