// Any bytes as each settings file: every record read and one written back
// must neither crash nor touch a record other than the one written.
#include "common/recordfile.h"
#include "common/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void put(const QString &path, const uint8_t *data, size_t size)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(reinterpret_cast<const char *>(data), qint64(size));
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void readSettings(const tq::Settings &s)
{
    s.background();
    s.topToolbarOff();
    s.familyName();
    s.smallerScreenDisplay();
    for (tq::ToolId tool : {tq::ToolId::HomeCalc, tq::ToolId::Loan, tq::ToolId::Actuarial, tq::ToolId::Budget,
                            tq::ToolId::SciCalc}) {
        s.panelColour(tool);
        s.guideLineOption(tool);
    }
    s.homeCalcRate().toText();
    s.gridBackground();
    s.gridTextColour();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QDir folder(dir.path());
    for (const char *name : {"PREF3.Fil", "PREFNAME.FIL", "GColor1.Fil", "GColor3.Fil"})
        put(folder.filePath(QString::fromLatin1(name)), data, size);
    readSettings(tq::Settings(folder));

    // Rewriting record 3 keeps every other byte.
    const QString path = folder.filePath(QStringLiteral("GColor3.Fil"));
    const tq::RecordFile file(path, 20);
    const QByteArray before = bytesOf(path);
    const tq::RecordVariant v = file.readVariant(3);
    if (file.writeVariant(3, v.isUsable() ? v : tq::RecordVariant::empty())) {
        const QByteArray after = bytesOf(path);
        if (after.left(before.left(40).size()) != before.left(40) ||
            (before.size() > 60 && after.mid(60) != before.mid(60)))
            std::abort();
    }
    return 0;
}
