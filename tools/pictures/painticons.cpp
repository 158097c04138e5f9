// painticons <folder>: paints every toolbar icon at each size a toolbar shows into
// <folder>, as the pixels themselves, and lists them in <folder>/toolbaricons.qrc,
// which the build compiles into the program.
#include "frame/activitytoolbar.h"
#include "frame/toolbaricons.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QStringList files;
    for (const QIcon &icon : toolbarIcons()) {
        for (int size : tq::ToolbarIcons::prebuiltSizes()) {
            const QString name = tq::ToolbarIcons::prebuiltName(icon.name(), size);
            if (files.contains(name))
                continue;
            const QImage painted =
                icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QFile file(out.filePath(name));
            if (painted.size() != QSize(size, size) || !file.open(QIODevice::WriteOnly) ||
                file.write(reinterpret_cast<const char *>(painted.constBits()), painted.sizeInBytes()) !=
                    painted.sizeInBytes())
                return 1;
            files << name;
        }
    }
    QFile qrc(out.filePath(QStringLiteral("toolbaricons.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    qrc.write("<RCC>\n<qresource prefix=\"/toolbaricons\">\n");
    for (const QString &name : files)
        qrc.write(QStringLiteral("<file>%1</file>\n").arg(name).toUtf8());
    qrc.write("</qresource>\n</RCC>\n");
    return qrc.error() == QFile::NoError ? 0 : 1;
}
