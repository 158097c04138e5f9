#include "budgetengine/yearfile.h"

#include "budgetengine/entryrules.h"
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

// A field as a cell can hold it: no double quote (the writer has no escape for
// it, so the next reading would end the field there) and no longer than the
// cell shows (a name of megabytes would freeze every view of it).
QString cellText(QByteArrayView field, qsizetype limit, bool &adjusted)
{
    if (field.size() > limit) {
        field = field.first(limit);
        adjusted = true;
    }
    QString text = decodeWindows1252(field);
    if (text.contains(u'"')) {
        text.replace(u'"', u'\'');
        adjusted = true;
    }
    return text;
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

BudgetSheet decode(QByteArrayView bytes, bool *adjusted)
{
    // Text editors save a byte-order mark that would stick to the first name.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    bool changed = false;
    BudgetSheet sheet;
    FieldReader reader(bytes);
    for (BudgetRow &row : sheet.rows)
        for (size_t column = 0; column < row.size(); ++column)
            if (!reader.atEnd())
                row[column] =
                    cellText(reader.next(), column == 0 ? entry::maxNameLength : maxAmountLength, changed);
    for (QString &income : sheet.incomes) {
        const QString text = reader.atEnd() ? QString() : cellText(reader.next(), maxAmountLength, changed);
        income = leadingNumber(text) > 0 ? text : QStringLiteral("0");
    }
    if (adjusted)
        *adjusted = changed;
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
    // A folder, a pipe or a device under the name would hang or fail the reading.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {Status::Unreadable, {}};
    if (file.size() == 0)
        return {};
    Loaded loaded{Status::Loaded, {}, false};
    loaded.sheet = decode(file.readAll(), &loaded.adjusted);
    return loaded;
}

Notice adjustedNotice(const QString &path)
{
    return {QStringLiteral("Home Budget"),
            QStringLiteral("%1 holds entries a budget cannot keep as they are: double quotes became "
                           "apostrophes, and names longer than %2 characters and amounts longer than %3 were "
                           "cut. Saving the year writes them as shown.")
                .arg(QDir::toNativeSeparators(path))
                .arg(entry::maxNameLength)
                .arg(maxAmountLength)};
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
    if (!QFileInfo(source).isFile() || !source.open(QIODevice::ReadOnly))
        return CopyResult::Failed;
    const QByteArray bytes = source.readAll();
    source.close();
    return writeFileAtomically(path(folder, year + 1), bytes) ? CopyResult::Copied : CopyResult::Failed;
}

} // namespace tq::yearfile
