#include "backup/foldertree.h"

#include <QDir>
#include <QHeaderView>

namespace tq::backup {

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int filledRole = Qt::UserRole + 1;

QTreeWidgetItem *folderItem(const QString &path, const QString &name)
{
    auto *item = new QTreeWidgetItem(QStringList{name});
    item->setData(0, pathRole, path);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

} // namespace

FolderTree::FolderTree(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    connect(this, &QTreeWidget::itemExpanded, this, &FolderTree::fillChildren);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!item || item->data(0, pathRole).toString() == m_path)
            return;
        m_path = item->data(0, pathRole).toString();
        Q_EMIT pathChanged(m_path);
    });
}

void FolderTree::showFolder(const QString &root, const QString &folder)
{
    const QSignalBlocker quiet(this);
    clear();
    const QString cleanRoot = QDir::cleanPath(root);
    addTopLevelItem(folderItem(cleanRoot, cleanRoot));
    takeCurrent(openDownTo(folder));
}

void FolderTree::chooseFolder(const QString &folder)
{
    QTreeWidgetItem *item = openDownTo(folder);
    if (item)
        setCurrentItem(item);
}

QTreeWidgetItem *FolderTree::openDownTo(const QString &folder)
{
    QTreeWidgetItem *item = topLevelItem(0);
    if (!item)
        return nullptr;
    const QString root = item->data(0, pathRole).toString();
    const QString relative = QDir(root).relativeFilePath(QDir::cleanPath(folder));
    if (relative.startsWith(QLatin1String("..")))
        return item;
    for (const QString &name : relative.split(u'/', Qt::SkipEmptyParts)) {
        if (name == u".")
            continue;
        fillChildren(item);
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (item->child(i)->text(0) == name)
                next = item->child(i);
        if (!next)
            break;
        item->setExpanded(true);
        item = next;
    }
    return item;
}

void FolderTree::fillChildren(QTreeWidgetItem *item)
{
    if (item->data(0, filledRole).toBool())
        return;
    item->setData(0, filledRole, true);
    const QDir folder(item->data(0, pathRole).toString());
    const QStringList names =
        folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        item->addChild(folderItem(folder.filePath(name), name));
    item->setChildIndicatorPolicy(names.isEmpty() ? QTreeWidgetItem::DontShowIndicator
                                                  : QTreeWidgetItem::ShowIndicator);
}

void FolderTree::takeCurrent(QTreeWidgetItem *item)
{
    if (!item)
        return;
    setCurrentItem(item);
    scrollToItem(item);
    m_path = item->data(0, pathRole).toString();
}

} // namespace tq::backup
