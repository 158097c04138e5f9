#include "budget/yearfile.h"

#include "common/numberformat.h"
#include "common/safefile.h"
#include "common/windows1252.h"

#include <QFile>
#include <QFileInfo>

namespace tq::yearfile {

namespace {

// Splits the general form of the file into fields, one at a time.
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }

    QByteArrayView next()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t'))
            ++m_pos;
        if (!atEnd() && peek() == '"')
            return quoted();
        const qsizetype start = m_pos;
        while (!atEnd() && !isSeparator(peek()))
            ++m_pos;
        const QByteArrayView field = m_bytes.sliced(start, m_pos - start).trimmed();
        skipSeparator();
        return field;
    }

private:
    static bool isSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }
    char peek() const { return m_bytes[m_pos]; }

    QByteArrayView quoted()
    {
        const qsizetype start = ++m_pos;
        while (!atEnd() && peek() != '"')
            ++m_pos;
        const QByteArrayView field = m_bytes.sliced(start, m_pos - start);
        // Anything between the closing quote and the separator is dropped.
        while (!atEnd() && !isSeparator(peek()))
            ++m_pos;
        skipSeparator();
        return field;
    }

    void skipSeparator()
    {
        if (atEnd())
            return;
        const char c = m_bytes[m_pos++];
        if (c == '\r' && !atEnd() && peek() == '\n')
            ++m_pos;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

QString path(const QDir &folder, int year)
{
    return folder.filePath(fileName(year));
}

} // namespace

QByteArray encode(const BudgetSheet &sheet)
{
    QString text;
    text.reserve(fieldCount * 12);
    const auto field = [&text](const QString &value) {
        text += u'"';
        text += value;
        text += QLatin1String("\"\r\n");
    };
    for (const BudgetRow &row : sheet.rows)
        for (const QString &cell : row)
            field(cell);
    for (const QString &income : sheet.incomes)
        field(income);
    return encodeWindows1252(text);
}

bool write(QIODevice &device, const BudgetSheet &sheet)
{
    const QByteArray bytes = encode(sheet);
    return device.write(bytes) == bytes.size();
}

BudgetSheet decode(QByteArrayView bytes)
{
    BudgetSheet sheet;
    FieldReader reader(bytes);
    for (BudgetRow &row : sheet.rows)
        for (QString &cell : row)
            if (!reader.atEnd())
                cell = decodeWindows1252(reader.next());
    for (QString &income : sheet.incomes) {
        const QString text = reader.atEnd() ? QString() : decodeWindows1252(reader.next());
        income = leadingNumber(text) > 0 ? text : QStringLiteral("0");
    }
    return sheet;
}

BudgetSheet read(QIODevice &device)
{
    return decode(device.readAll());
}

QString fileName(int year)
{
    return QString::number(year) + QLatin1String(".Fil");
}

Loaded load(const QDir &folder, int year)
{
    return loadFile(path(folder, year));
}

Loaded loadFile(const QString &filePath)
{
    QFile file(filePath);
    const QFileInfo info(file);
    if (!info.exists())
        return {};
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return {Status::Unreadable, {}};
    if (file.size() == 0)
        return {};
    return {Status::Loaded, read(file)};
}

bool hasSavedFile(const QDir &folder, int year)
{
    QFile file(path(folder, year));
    return QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly) && file.size() > 0;
}

bool save(const QDir &folder, int year, const BudgetSheet &sheet)
{
    return writeFileAtomically(path(folder, year), encode(sheet));
}

CopyResult copyToNextYear(const QDir &folder, int year)
{
    QFile source(path(folder, year));
    if (!source.exists())
        return CopyResult::NoSource;
    if (!source.open(QIODevice::ReadOnly))
        return CopyResult::Failed;
    const QByteArray bytes = source.readAll();
    source.close();
    return writeFileAtomically(path(folder, year + 1), bytes) ? CopyResult::Copied : CopyResult::Failed;
}

} // namespace tq::yearfile
