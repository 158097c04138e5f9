#pragma once
// The folder list: the folders of one volume as a tree, opened down to the
// chosen folder. Folders are read when their branch is first opened, so a
// large volume costs nothing until the user goes into it.
#include <QTreeWidget>

namespace tq::backup {

class FolderTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderTree(QWidget *parent = nullptr);

    // Shows the tree of `root` opened down to `folder` without a pathChanged.
    void showFolder(const QString &root, const QString &folder);
    // As a user's pick: opens the tree down to `folder` (inside the shown
    // root) and reports it.
    void chooseFolder(const QString &folder);
    QString path() const { return m_path; }

Q_SIGNALS:
    void pathChanged(const QString &path);

private:
    QTreeWidgetItem *openDownTo(const QString &folder);
    void fillChildren(QTreeWidgetItem *item);
    void takeCurrent(QTreeWidgetItem *item);

    QString m_path;
};

} // namespace tq::backup
