#include "pagetext.h"

#include <QFontMetricsF>
#include <map>

namespace tq::test {

QStringList pageTexts(const PrintPage &page)
{
    QStringList texts;
    for (const PrintItem &item : page.items)
        texts.append(item.text);
    return texts;
}

QStringList pageTexts(const PrintDocument &doc, int page)
{
    return pageTexts(doc.pages().at(page - 1));
}

const PrintItem *findText(const PrintPage &page, const QString &text)
{
    for (const PrintItem &item : page.items)
        if (item.kind == PrintItem::Kind::Text && item.text == text)
            return &item;
    return nullptr;
}

const PrintItem *findText(const PrintDocument &doc, int page, const QString &text)
{
    return findText(doc.pages().at(page - 1), text);
}

QList<const PrintItem *> textItems(const PrintDocument &doc)
{
    QList<const PrintItem *> items;
    for (const PrintPage &page : doc.pages())
        for (const PrintItem &item : page.items)
            if (item.kind == PrintItem::Kind::Text && !item.text.isEmpty())
                items.append(&item);
    return items;
}

QList<QStringList> printedLines(const PrintPage &page)
{
    std::map<double, std::multimap<double, QString>> byLine; // y, then x
    for (const PrintItem &item : page.items)
        if (item.kind == PrintItem::Kind::Text)
            byLine[item.y].emplace(item.x, item.text);
    QList<QStringList> lines;
    for (const auto &[y, texts] : byLine) {
        QStringList line;
        for (const auto &[x, text] : texts)
            line.append(text);
        lines.append(line);
    }
    return lines;
}

bool textsOnPaper(const PrintPage &page)
{
    for (const PrintItem &item : page.items) {
        if (item.kind != PrintItem::Kind::Text)
            continue;
        const QFontMetricsF m(PrintDocument::twipsFont(item.fontName, item.fontSize, item.bold, item.italic));
        if (item.x < 0 || item.y < 0 || item.baseline + m.descent() > page.height) {
            qWarning("off the paper: \"%s\" at %g, %g", qPrintable(item.text), item.x, item.y);
            return false;
        }
    }
    return true;
}

} // namespace tq::test
