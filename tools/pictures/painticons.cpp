// painticons <folder>: paints every toolbar icon at each size a toolbar shows,
// and the launcher's banknote, into <folder> as the pixels themselves, and
// lists them in <folder>/toolbaricons.qrc, which the build compiles into the program.
#include "app/banknote.h"
#include "components/prebuiltpixmap.h"
#include "frame/activitytoolbar.h"
#include "frame/toolbaricons.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QToolButton>

namespace {

QList<QIcon> toolbarIcons()
{
    QList<QIcon> icons;
    for (int glyph = 0; glyph <= int(tq::Glyph::Totals); ++glyph)
        icons << tq::ToolbarIcons::glyph(tq::Glyph(glyph));
    // The budget's toolbar has one activity more than the other windows'.
    for (int count : {48, 49}) {
        const tq::ActivityToolbar toolbar(count);
        for (int number = 1; number <= count; ++number)
            icons << toolbar.button(number)->icon();
    }
    return icons;
}

// Keeps a picture's pixels in `out` as `name`.
bool keep(const QDir &out, const QString &name, const QPixmap &picture)
{
    const QByteArray pixels = tq::prebuiltPixels(picture);
    QFile file(out.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(pixels) == pixels.size();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QStringList resources; // paths inside the resources, each kept under its own name
    for (const QIcon &icon : toolbarIcons()) {
        for (int size : tq::ToolbarIcons::prebuiltSizes()) {
            const QString path =
                QStringLiteral("toolbaricons/") + tq::ToolbarIcons::prebuiltName(icon.name(), size);
            if (resources.contains(path))
                continue;
            const QPixmap painted = icon.pixmap(size, size);
            if (painted.size() != QSize(size, size) || !keep(out, QFileInfo(path).fileName(), painted))
                return 1;
            resources << path;
        }
    }
    const QString banknote = tq::banknoteResource().mid(2); // past ":/"
    if (!keep(out, QFileInfo(banknote).fileName(), tq::paintBanknote()))
        return 1;
    resources << banknote;

    QFile qrc(out.filePath(QStringLiteral("toolbaricons.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    qrc.write("<RCC>\n<qresource prefix=\"/\">\n");
    for (const QString &path : resources)
        qrc.write(
            QStringLiteral("<file alias=\"%1\">%2</file>\n").arg(path, QFileInfo(path).fileName()).toUtf8());
    qrc.write("</qresource>\n</RCC>\n");
    return qrc.error() == QFile::NoError ? 0 : 1;
}
