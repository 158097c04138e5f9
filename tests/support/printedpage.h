#pragma once
// Reading a print document's pages in tests: which texts and lines were
// drawn where, in twips.
#include "components/printdocument.h"
#include "pagetext.h"

#include <QFontMetricsF>
#include <QStringList>

namespace tq::test {

// Texts only, without the empty entries pageTexts() gives for lines.
inline QStringList textsOf(const PrintPage &page)
{
    QStringList texts;
    for (const PrintItem &item : page.items)
        if (item.kind == PrintItem::Kind::Text)
            texts.append(item.text);
    return texts;
}

inline QList<PrintItem> linesOf(const PrintPage &page)
{
    QList<PrintItem> lines;
    for (const PrintItem &item : page.items)
        if (item.kind == PrintItem::Kind::Line)
            lines.append(item);
    return lines;
}

// Where the text's line box ends below its top.
inline double bottomOf(const PrintItem &item)
{
    const QFont font = PrintDocument::twipsFont(item.fontName, item.fontSize, item.bold, item.italic);
    return item.y + QFontMetricsF(font).height();
}

inline double centreOf(const PrintItem &item)
{
    return item.x + item.width / 2;
}

inline double rightOf(const PrintItem &item)
{
    return item.x + item.width;
}

} // namespace tq::test
