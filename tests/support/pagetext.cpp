#include "pagetext.h"

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

} // namespace tq::test
