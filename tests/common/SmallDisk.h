#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>

// A real small file system, mounted for one test in a fresh folder: a tmpfs of the given
// size, which a test fills as a referee's full disk fills. Mounting needs the right to
// mount; without it mounted() is false and the test skips.
class SmallDisk {
public:
    explicit SmallDisk(int kibibytes) {
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0777";
        mounted_ = dir_.isValid() && ::mount("orvanel-small", QFile::encodeName(dir_.path()),
                                             "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(QFile::encodeName(dir_.path()), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }

    // The file system becomes read-only, as a locked memory card or a share without rights.
    bool makeReadOnly() {
        return mounted_ && ::mount("orvanel-small", QFile::encodeName(dir_.path()), "tmpfs",
                                   MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
