#pragma once
// The "drives" a backup can go to: the mounted volumes, removable media
// among them, each with whether it can be read right now.
#include <QList>
#include <QString>

namespace tq::backup {

struct Volume {
    QString root;  // mount point, "/" for the system volume
    QString label; // shown in the drive list
    bool operator==(const Volume &) const = default;
};

class VolumeSource
{
public:
    virtual ~VolumeSource() = default;
    // The system volume first.
    virtual QList<Volume> volumes() const = 0;
    virtual bool isReady(const QString &root) const = 0;
};

class MountedVolumes : public VolumeSource
{
public:
    QList<Volume> volumes() const override;
    bool isReady(const QString &root) const override;
};

// The volume of `volumes` whose root holds `path` most closely; -1 when none.
int volumeHolding(const QList<Volume> &volumes, const QString &path);

} // namespace tq::backup
