#include "platform/Volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace marrowby {

namespace {

std::optional<std::vector<VolumeInfo>> g_volumes; // set by a VolumeSeam

#ifdef Q_OS_LINUX
// What the kernel says of a block device ("/dev/sdb1", "/dev/mmcblk0p1"):
// removable media, an SD/MMC slot, or a disk on USB.
bool removableDevice(const QString &device)
{
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    const QString name = QFileInfo(device).canonicalFilePath().section(QLatin1Char('/'), -1);
    if (name.isEmpty())
        return false;
    if (name.startsWith(QLatin1String("mmcblk")))
        return true;
    // The partition's own folder in /sys/class/block leads to its disk.
    const QString path = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (path.isEmpty())
        return false;
    if (path.contains(QLatin1String("/usb")))
        return true;
    QString disk = path;
    if (QFile::exists(disk + QStringLiteral("/partition")))
        disk = QFileInfo(disk).path();
    QFile removable(disk + QStringLiteral("/removable"));
    return removable.open(QIODevice::ReadOnly) && removable.readAll().trimmed() == "1";
}
#endif

} // namespace

bool Volumes::looksRemovable(const QString &rootPath, const QString &device)
{
#if defined(Q_OS_WIN)
    Q_UNUSED(device);
    const QString root = QDir::toNativeSeparators(rootPath);
    return GetDriveTypeW(reinterpret_cast<const wchar_t *>(root.utf16())) == DRIVE_REMOVABLE;
#elif defined(Q_OS_MACOS)
    Q_UNUSED(device);
    return rootPath.startsWith(QLatin1String("/Volumes/"));
#else
    // A block device where desktops mount what is plugged in, or one the kernel
    // calls removable; never a memory file system, a bind mount or a share.
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    static const char *const kMountPlaces[] = {"/media/", "/run/media/", "/mnt/"};
    for (const char *place : kMountPlaces) {
        if (rootPath.startsWith(QLatin1String(place)))
            return true;
    }
#ifdef Q_OS_LINUX
    return removableDevice(device);
#else
    Q_UNUSED(device);
    return false;
#endif
#endif
}

std::vector<VolumeInfo> Volumes::mounted()
{
    return g_volumes ? *g_volumes : listedBySystem();
}

std::vector<VolumeInfo> Volumes::listedBySystem()
{
    std::vector<VolumeInfo> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady())
            continue;
        VolumeInfo volume;
        volume.rootPath = QDir::toNativeSeparators(storage.rootPath()).toStdString();
        volume.fileSystemType = storage.fileSystemType().toStdString();
        volume.readOnly = storage.isReadOnly();
        volume.removable
            = looksRemovable(storage.rootPath(), QString::fromLocal8Bit(storage.device()));
        volume.name = storage.name().toStdString();
        volumes.push_back(std::move(volume));
    }
    std::stable_partition(
        volumes.begin(), volumes.end(), [](const VolumeInfo &volume) { return volume.removable; });
    return volumes;
}

VolumeSeam::VolumeSeam(std::vector<VolumeInfo> volumes)
    : m_before(std::exchange(g_volumes, std::move(volumes)))
{ }

VolumeSeam::~VolumeSeam()
{
    g_volumes = std::move(m_before);
}

} // namespace marrowby
