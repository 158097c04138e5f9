// paintpictures <folder>: writes the background pictures WP1.jpg to WP16.jpg and
// the program icon tallyquill.png. Run by the build.
#include "app/appicon.h"
#include "wallpapers.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int n = 1; n <= tq::pictures::wallpaperCount; ++n) {
        if (!tq::pictures::paintWallpaper(n).save(out.filePath(QStringLiteral("WP%1.jpg").arg(n)), "JPG", 90))
            return 1;
    }
    return tq::paintAppIcon(256).save(out.filePath(QStringLiteral("tallyquill.png"))) ? 0 : 1;
}
