#include "backup/volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace tq::backup {

namespace {

// Kernel and runtime file systems hold nothing a user backs up to.
bool isPseudo(const QStorageInfo &volume)
{
    static const QList<QByteArray> pseudo = {
        "proc",      "sysfs",    "devtmpfs",   "devpts",   "cgroup",      "cgroup2",    "mqueue",  "debugfs",
        "tracefs",   "pstore",   "securityfs", "bpf",      "autofs",      "configfs",   "fusectl", "nsfs",
        "hugetlbfs", "efivarfs", "ramfs",      "squashfs", "binfmt_misc", "rpc_pipefs", "overlay"};
    const QString root = volume.rootPath();
    if (root == u"/")
        return false;
    if (root.startsWith(u"/proc") || root.startsWith(u"/sys") || root.startsWith(u"/dev") ||
        (root.startsWith(u"/run") && !root.startsWith(u"/run/media")) || root.startsWith(u"/snap"))
        return true;
    return pseudo.contains(volume.fileSystemType());
}

bool isRemovable(const QString &root)
{
    return root.startsWith(u"/media/") || root.startsWith(u"/run/media/") || root.startsWith(u"/mnt/");
}

QString labelOf(const QStorageInfo &volume)
{
    const QString root = volume.rootPath();
    QString name = volume.displayName();
    if (isRemovable(root))
        name += QStringLiteral(" (removable)");
    return name == root ? root : root + QStringLiteral("  [") + name + u']';
}

} // namespace

QList<Volume> MountedVolumes::volumes() const
{
    QList<Volume> list{{QStringLiteral("/"), labelOf(QStorageInfo::root())}};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || isPseudo(volume) || volume.rootPath() == u"/")
            continue;
        const Volume entry{volume.rootPath(), labelOf(volume)};
        if (!list.contains(entry))
            list.append(entry);
    }
    return list;
}

bool MountedVolumes::isReady(const QString &root) const
{
    const QStorageInfo volume(root);
    return volume.isValid() && volume.isReady() && QFileInfo(root).isDir() && QDir(root).isReadable();
}

int volumeHolding(const QList<Volume> &volumes, const QString &path)
{
    const auto asPrefix = [](const QString &folder) {
        const QString clean = QDir::cleanPath(folder);
        return clean.endsWith(u'/') ? clean : clean + u'/';
    };
    const QString target = asPrefix(path);
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < volumes.size(); ++i) {
        const QString prefix = asPrefix(volumes[i].root);
        if (target.startsWith(prefix) && prefix.size() > bestLength) {
            best = i;
            bestLength = prefix.size();
        }
    }
    return best;
}

} // namespace tq::backup
