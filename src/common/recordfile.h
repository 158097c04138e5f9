#pragma once
// Fixed-length-record settings files: record n starts at (n - 1) x length.
// Little-endian 16-bit lengths and tags, 8-bit (Windows-1252) text.
#include <QByteArray>
#include <QString>
#include <QVariant>

namespace tq {

// A stored variant: empty, a 16- or 32-bit integer, or a string.
struct RecordVariant {
    enum class Kind { Empty, Int16, Int32, String, Unusable };
    Kind kind = Kind::Empty;
    qint32 number = 0;
    QString text;

    static RecordVariant empty() { return {}; }
    static RecordVariant int32(qint32 v) { return {Kind::Int32, v, {}}; }
    static RecordVariant string(const QString &s) { return {Kind::String, 0, s}; }
    bool isEmpty() const { return kind == Kind::Empty; }
    bool isUsable() const { return kind != Kind::Unusable; }
    // The value as text, numbers in their plain decimal form ("" for empty).
    QString toText() const;
    bool operator==(const RecordVariant &) const = default;
};

class RecordFile
{
public:
    RecordFile(QString path, int recordLength);

    QString readString(int record) const;
    RecordVariant readVariant(int record) const;
    qint16 readInt16(int record) const;

    // Each write returns false and leaves the file as it was when the value
    // does not fit its record or the file cannot be written.
    bool writeString(int record, const QString &value) const;
    bool writeVariant(int record, const RecordVariant &value) const;
    bool writeInt16(int record, qint16 value) const;

    // True when the file exists but cannot be read.
    bool isUnreadable() const;

    static QByteArray encodeText(const QString &text);
    static QString decodeText(const QByteArray &bytes);

private:
    QByteArray readRecord(int record) const;
    bool writeRecordBytes(int record, const QByteArray &bytes) const;

    QString m_path;
    int m_length;
};

} // namespace tq
