#include "FailingDisk.h"

#include <sqlite3.h>

#include <string>

namespace {

struct DiskState {
    sqlite3_vfs* parent = nullptr;
    sqlite3_vfs vfs{};
    bool filling = false;
    FailingDisk::Files files = FailingDisk::Files::All;
    int allowed = 0;
    int refused = 0;
    std::string name;
};

DiskState disk;

// Our part of an open file, followed by the parent layer's own file structure. The engine
// aligns the memory of a file only to 8 bytes: the structure asks no more, and its size
// (a multiple of its pointers' alignment) keeps the parent's structure aligned too.
struct WrappedFile {
    sqlite3_file base;
    int flags;
    const char* name;  // the engine keeps it valid while the file is open
};
static_assert(sizeof(WrappedFile) % alignof(void*) == 0);

sqlite3_file* inner(sqlite3_file* file) {
    return reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + sizeof(WrappedFile));
}

bool concerned(const WrappedFile& file) {
    if (!disk.name.empty() &&
        (file.name == nullptr || std::string(file.name).find(disk.name) == std::string::npos)) {
        return false;
    }
    const bool table = (file.flags & SQLITE_OPEN_MAIN_DB) != 0;
    switch (disk.files) {
        case FailingDisk::Files::Tables:
            return table;
        case FailingDisk::Files::Journals:
            return !table;
        case FailingDisk::Files::All:
            return true;
    }
    return true;
}

// A full disk still lets a file be written over; it refuses only what needs more room.
int writeFile(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    sqlite3_file* real = inner(file);
    sqlite3_int64 size = 0;
    if (disk.filling && concerned(*reinterpret_cast<WrappedFile*>(file)) &&
        real->pMethods->xFileSize(real, &size) == SQLITE_OK && offset + amount > size) {
        if (disk.allowed <= 0) {
            ++disk.refused;
            return SQLITE_FULL;
        }
        --disk.allowed;
    }
    return real->pMethods->xWrite(real, data, amount, offset);
}

const sqlite3_io_methods* methods() {
    static const sqlite3_io_methods table = [] {
        sqlite3_io_methods m{};
        m.iVersion = 3;
        m.xClose = [](sqlite3_file* f) { return inner(f)->pMethods->xClose(inner(f)); };
        m.xRead = [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
            return inner(f)->pMethods->xRead(inner(f), data, amount, offset);
        };
        m.xWrite = writeFile;
        m.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
            return inner(f)->pMethods->xTruncate(inner(f), size);
        };
        m.xSync = [](sqlite3_file* f, int flags) {
            return inner(f)->pMethods->xSync(inner(f), flags);
        };
        m.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) {
            return inner(f)->pMethods->xFileSize(inner(f), size);
        };
        m.xLock = [](sqlite3_file* f, int level) {
            return inner(f)->pMethods->xLock(inner(f), level);
        };
        m.xUnlock = [](sqlite3_file* f, int level) {
            return inner(f)->pMethods->xUnlock(inner(f), level);
        };
        m.xCheckReservedLock = [](sqlite3_file* f, int* out) {
            return inner(f)->pMethods->xCheckReservedLock(inner(f), out);
        };
        m.xFileControl = [](sqlite3_file* f, int op, void* arg) {
            return inner(f)->pMethods->xFileControl(inner(f), op, arg);
        };
        m.xSectorSize = [](sqlite3_file* f) { return inner(f)->pMethods->xSectorSize(inner(f)); };
        m.xDeviceCharacteristics = [](sqlite3_file* f) {
            return inner(f)->pMethods->xDeviceCharacteristics(inner(f));
        };
        m.xShmMap = [](sqlite3_file* f, int page, int size, int extend, void volatile** out) {
            return inner(f)->pMethods->xShmMap(inner(f), page, size, extend, out);
        };
        m.xShmLock = [](sqlite3_file* f, int offset, int n, int flags) {
            return inner(f)->pMethods->xShmLock(inner(f), offset, n, flags);
        };
        m.xShmBarrier = [](sqlite3_file* f) { inner(f)->pMethods->xShmBarrier(inner(f)); };
        m.xShmUnmap = [](sqlite3_file* f, int remove) {
            return inner(f)->pMethods->xShmUnmap(inner(f), remove);
        };
        // No memory-mapped reads: every page goes through xRead.
        m.xFetch = [](sqlite3_file*, sqlite3_int64, int, void** out) {
            *out = nullptr;
            return SQLITE_OK;
        };
        m.xUnfetch = [](sqlite3_file*, sqlite3_int64, void*) { return SQLITE_OK; };
        return m;
    }();
    return &table;
}

int openFile(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    sqlite3_file* real = inner(file);
    const int code = disk.parent->xOpen(disk.parent, name, real, flags, outFlags);
    // Without methods the engine never closes the file: ours must not claim one either.
    if (real->pMethods == nullptr) {
        file->pMethods = nullptr;
        return code;
    }
    auto* wrapped = reinterpret_cast<WrappedFile*>(file);
    wrapped->flags = flags;
    wrapped->name = name;
    file->pMethods = methods();
    return code;
}

}  // namespace

FailingDisk::FailingDisk() {
    disk = DiskState{};
    disk.parent = sqlite3_vfs_find(nullptr);
    disk.vfs = *disk.parent;
    disk.vfs.pNext = nullptr;
    disk.vfs.zName = "orvanel-failing-disk";
    disk.vfs.szOsFile = static_cast<int>(sizeof(WrappedFile)) + disk.parent->szOsFile;
    disk.vfs.xOpen = openFile;
    // Every other call goes to the parent layer as if made to it.
    disk.vfs.xDelete = [](sqlite3_vfs*, const char* name, int sync) {
        return disk.parent->xDelete(disk.parent, name, sync);
    };
    disk.vfs.xAccess = [](sqlite3_vfs*, const char* name, int flags, int* out) {
        return disk.parent->xAccess(disk.parent, name, flags, out);
    };
    disk.vfs.xFullPathname = [](sqlite3_vfs*, const char* name, int size, char* out) {
        return disk.parent->xFullPathname(disk.parent, name, size, out);
    };
    disk.vfs.xRandomness = [](sqlite3_vfs*, int size, char* out) {
        return disk.parent->xRandomness(disk.parent, size, out);
    };
    disk.vfs.xSleep = [](sqlite3_vfs*, int microseconds) {
        return disk.parent->xSleep(disk.parent, microseconds);
    };
    disk.vfs.xCurrentTime = [](sqlite3_vfs*, double* out) {
        return disk.parent->xCurrentTime(disk.parent, out);
    };
    disk.vfs.xGetLastError = [](sqlite3_vfs*, int size, char* out) {
        return disk.parent->xGetLastError(disk.parent, size, out);
    };
    disk.vfs.xCurrentTimeInt64 = [](sqlite3_vfs*, sqlite3_int64* out) {
        return disk.parent->xCurrentTimeInt64(disk.parent, out);
    };
    disk.vfs.xDlOpen = nullptr;
    disk.vfs.xDlError = nullptr;
    disk.vfs.xDlSym = nullptr;
    disk.vfs.xDlClose = nullptr;
    disk.vfs.iVersion = 2;
    sqlite3_vfs_register(&disk.vfs, 1);
}

// The parent layer is made the default again by name: left to itself the engine would
// choose any other. Tables still open keep working through the wrapper, with room.
FailingDisk::~FailingDisk() {
    sqlite3_vfs_unregister(&disk.vfs);
    sqlite3_vfs_register(disk.parent, 1);
    disk.filling = false;
}

void FailingDisk::fillAfter(int allowed, Files files, const char* name) {
    disk.filling = true;
    disk.files = files;
    disk.allowed = allowed;
    disk.name = name != nullptr ? name : "";
}

void FailingDisk::makeRoom() {
    disk.filling = false;
}

int FailingDisk::refusedWrites() const {
    return disk.refused;
}
