// Tallyquill: builds the program context and shows the launcher. Nothing else
// is built before the launcher shows: tools, dictionaries and reports wait
// until the user asks for them.
#include "app/appicon.h"
#include "app/registertools.h"
#include "app/startfrm.h"
#include "app/toolopener.h"
#include "components/accessiblecaptions.h"
#include "components/program.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The executable's own folder when it is writable (a portable install),
// otherwise the per-user data folder.
QDir programFolder()
{
    const QString own = QCoreApplication::applicationDirPath();
    if (QFileInfo(own).isWritable())
        return QDir(own);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return QDir(data);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyquill"));
    QApplication::setApplicationVersion(QStringLiteral("4.0"));
    QApplication::setDesktopFileName(QStringLiteral("tallyquill"));
    tq::installAccessibleCaptions();

    const QDir folder = programFolder();
    QDir::setCurrent(folder.path());

    tq::DialogPrompter prompter;
    tq::DesktopPlatform platform(tq::Program::findDataFile(folder, QStringLiteral("help")));
    tq::SystemClock clock;
    tq::Program program(folder, prompter, platform, clock);

    tq::ToolOpener tools(program);
    tq::registerTools(tools);

    tq::Startfrm launcher(program, tools);
    launcher.setWindowIcon(QPixmap::fromImage(tq::paintAppIcon(64)));
    QObject::connect(&launcher, &tq::Startfrm::exitRequested, &app, [] { QCoreApplication::exit(0); });
    launcher.start();
    return QApplication::exec();
}
