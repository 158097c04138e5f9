#pragma once
// A launcher over a fresh program folder on a 1024 x 768 screen.
#include "app/startfrm.h"
#include "app/toolopener.h"
#include "common/recordfile.h"
#include "fakes.h"

#include <QAction>
#include <QDir>
#include <memory>

namespace tq::test {

struct LauncherFixture {
    TestProgram t;
    ToolOpener tools{t.program};
    std::unique_ptr<Startfrm> window;

    LauncherFixture() : window(std::make_unique<Startfrm>(t.program, tools))
    {
        window->setScreenGeometry(QRect(0, 0, 1024, 768));
    }
    Program &program() { return t.program; }
    QString path(const char *file) const { return QDir(t.dir.path()).filePath(QString::fromLatin1(file)); }
    QAction *action(const char *name) const
    {
        return window->findChild<QAction *>(QString::fromLatin1(name));
    }
    template <typename W> W *child(const QString &name) const { return window->findChild<W *>(name); }
    QString displayRecord() const { return RecordFile(path("GColor3.Fil"), 20).readString(35); }
};

} // namespace tq::test
