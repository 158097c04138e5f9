// Any bytes as a year file: the reading takes whatever is there, saving what
// was read reads back the same cells (texts a cell cannot keep are made
// keepable by the first reading), and the clipboard and export texts of the
// loaded budget build.
#include "budgetengine/budgetmodel.h"
#include "budgetengine/budgettext.h"
#include "budgetengine/yearfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const tq::BudgetSheet first = tq::yearfile::decode(bytes);
    bool adjusted = true;
    const tq::BudgetSheet again = tq::yearfile::decode(tq::yearfile::encode(first), &adjusted);
    if (again.rows != first.rows || again.incomes != first.incomes || adjusted)
        std::abort();

    static QTemporaryDir dir;
    const QDir folder(dir.path());
    QFile file(folder.filePath(tq::yearfile::fileName(2007)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
    file.close();
    tq::BudgetModel model;
    model.load(folder, 2007);
    tq::budgettext::clipboardText(model, 2007, [](const QString &text) { return int(text.size()) * 7; });
    tq::budgettext::exportBytes(model.sheet());
    return 0;
}
