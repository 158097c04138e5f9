#include "components/spelldictionary.h"

#include <QDir>
#include <QFileInfo>
#include <hunspell.hxx>

namespace tq {

namespace {

// Dictionary names (en_US, de_DE_frami) found in the folders, each with its path without extension.
QList<std::pair<QString, QString>> installed(const QStringList &folders)
{
    QList<std::pair<QString, QString>> out;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QFileInfo &dic : dir.entryInfoList({QStringLiteral("*.dic")}, QDir::Files, QDir::Name)) {
            const QString base = dic.absolutePath() + u'/' + dic.completeBaseName();
            if (QFileInfo::exists(base + QStringLiteral(".aff")))
                out.append({dic.completeBaseName(), base});
        }
    }
    return out;
}

} // namespace

SpellDictionary::SpellDictionary() = default;
SpellDictionary::~SpellDictionary() = default;

QStringList SpellDictionary::systemFolders()
{
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell"),
            QStringLiteral("/usr/share/myspell/dicts")};
}

QString SpellDictionary::find(const QStringList &folders, const QLocale &locale)
{
    const auto dictionaries = installed(folders);
    const QString language = locale.name().section(u'_', 0, 0);
    const QStringList wanted{locale.name(), language, QStringLiteral("en_US")};
    for (const QString &name : wanted) {
        for (const auto &[dictionary, base] : dictionaries)
            if (dictionary == name || (name == language && dictionary.section(u'_', 0, 0) == language))
                return base;
    }
    return dictionaries.isEmpty() ? QString() : dictionaries.first().second;
}

bool SpellDictionary::load(const QString &basePath)
{
    const QByteArray aff = QFile::encodeName(basePath + QStringLiteral(".aff"));
    const QByteArray dic = QFile::encodeName(basePath + QStringLiteral(".dic"));
    if (!QFileInfo::exists(QString::fromLocal8Bit(aff)) || !QFileInfo::exists(QString::fromLocal8Bit(dic)))
        return false;
    m_hunspell = std::make_unique<Hunspell>(aff.constData(), dic.constData());
    m_utf8 =
        QString::fromStdString(m_hunspell->get_dict_encoding()).compare(u"UTF-8", Qt::CaseInsensitive) == 0;
    return true;
}

bool SpellDictionary::spell(const QString &word)
{
    return !m_hunspell || m_hunspell->spell(encode(word));
}

QStringList SpellDictionary::suggest(const QString &word)
{
    QStringList out;
    if (m_hunspell)
        for (const std::string &s : m_hunspell->suggest(encode(word)))
            out << decode(s);
    return out;
}

void SpellDictionary::add(const QString &word)
{
    if (m_hunspell)
        m_hunspell->add(encode(word));
}

std::string SpellDictionary::encode(const QString &text) const
{
    return m_utf8 ? text.toStdString() : text.toLatin1().toStdString();
}

QString SpellDictionary::decode(const std::string &text) const
{
    return m_utf8 ? QString::fromStdString(text) : QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace tq
