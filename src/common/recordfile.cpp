#include "common/recordfile.h"

#include "common/safefile.h"
#include "common/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace tq {

namespace {

constexpr quint16 tagEmpty = 0;
constexpr quint16 tagInt16 = 2;
constexpr quint16 tagInt32 = 3;
constexpr quint16 tagString = 8;

quint16 u16At(const QByteArray &b, int pos)
{
    return pos + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + pos) : 0;
}

QByteArray u16Bytes(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

} // namespace

QString RecordVariant::toText() const
{
    switch (kind) {
    case Kind::Int16:
    case Kind::Int32:
        return QString::number(number);
    case Kind::String:
        return text;
    default:
        return {};
    }
}

RecordFile::RecordFile(QString path, int recordLength) : m_path(std::move(path)), m_length(recordLength) {}

QByteArray RecordFile::encodeText(const QString &text)
{
    return encodeWindows1252(text);
}

QString RecordFile::decodeText(const QByteArray &bytes)
{
    return decodeWindows1252(bytes);
}

bool RecordFile::isUnreadable() const
{
    QFile f(m_path);
    return f.exists() && !f.open(QIODevice::ReadOnly);
}

QByteArray RecordFile::readRecord(int record) const
{
    if (record < 1)
        return {};
    QFile f(m_path);
    if (!f.exists()) {
        // The first access creates a missing file, so the settings files exist from the first run on.
        if (f.open(QIODevice::WriteOnly))
            f.close();
        return {};
    }
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const qint64 offset = qint64(record - 1) * m_length;
    if (!f.seek(offset))
        return {};
    return f.read(m_length);
}

QString RecordFile::readString(int record) const
{
    const QByteArray b = readRecord(record);
    const int n = u16At(b, 0);
    return decodeText(b.mid(2, qMin(n, int(b.size()) - 2)));
}

RecordVariant RecordFile::readVariant(int record) const
{
    const QByteArray b = readRecord(record);
    if (b.size() < 2)
        return RecordVariant::empty();
    switch (u16At(b, 0)) {
    case tagEmpty:
        return RecordVariant::empty();
    case tagInt16:
        return {RecordVariant::Kind::Int16, qint16(u16At(b, 2)), {}};
    case tagInt32:
        if (b.size() < 6)
            return {RecordVariant::Kind::Unusable, 0, {}};
        return RecordVariant::int32(qFromLittleEndian<qint32>(b.constData() + 2));
    case tagString: {
        const int n = u16At(b, 2);
        if (4 + n > b.size())
            return {RecordVariant::Kind::Unusable, 0, {}};
        return RecordVariant::string(decodeText(b.mid(4, n)));
    }
    default:
        return {RecordVariant::Kind::Unusable, 0, {}};
    }
}

qint16 RecordFile::readInt16(int record) const
{
    return qint16(u16At(readRecord(record), 0));
}

bool RecordFile::writeRecordBytes(int record, const QByteArray &bytes) const
{
    if (record < 1 || bytes.size() > m_length)
        return false;
    QByteArray whole;
    QFile f(m_path);
    if (f.exists()) {
        if (!f.open(QIODevice::ReadOnly))
            return false;
        whole = f.readAll();
        f.close();
    }
    const qint64 offset = qint64(record - 1) * m_length;
    if (whole.size() < offset + bytes.size())
        whole.resize(offset + bytes.size(), '\0');
    whole.replace(offset, bytes.size(), bytes);
    return writeFileAtomically(m_path, whole);
}

bool RecordFile::writeString(int record, const QString &value) const
{
    const QByteArray text = encodeText(value);
    if (text.size() > m_length - 2)
        return false;
    return writeRecordBytes(record, u16Bytes(quint16(text.size())) + text);
}

bool RecordFile::writeVariant(int record, const RecordVariant &value) const
{
    QByteArray bytes;
    switch (value.kind) {
    case RecordVariant::Kind::Empty:
        bytes = u16Bytes(tagEmpty);
        break;
    case RecordVariant::Kind::Int16:
        bytes = u16Bytes(tagInt16) + u16Bytes(quint16(qint16(value.number)));
        break;
    case RecordVariant::Kind::Int32: {
        QByteArray n(4, '\0');
        qToLittleEndian(value.number, n.data());
        bytes = u16Bytes(tagInt32) + n;
        break;
    }
    case RecordVariant::Kind::String: {
        const QByteArray text = encodeText(value.text);
        if (text.size() > m_length - 4)
            return false;
        bytes = u16Bytes(tagString) + u16Bytes(quint16(text.size())) + text;
        break;
    }
    case RecordVariant::Kind::Unusable:
        return false;
    }
    return writeRecordBytes(record, bytes);
}

bool RecordFile::writeInt16(int record, qint16 value) const
{
    return writeRecordBytes(record, u16Bytes(quint16(value)));
}

} // namespace tq
