#pragma once

// A disk that fills up when a test says so. While a FailingDisk lives, every table the
// program opens reads and writes through it (it is the engine's default file layer), and
// once the chosen number of writes has gone through, the next writes that would make a
// file of the chosen kind grow fail, as they fail on a full disk. One at a time.
class FailingDisk {
public:
    enum class Files { Tables, Journals, All };

    FailingDisk();
    ~FailingDisk();
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

    // After `allowed` more writes that make such files grow, those writes fail. With a
    // name, only the files whose name holds it (a table and its journal) are concerned.
    void fillAfter(int allowed, Files files = Files::All, const char* name = nullptr);
    // The disk has room again.
    void makeRoom();
    // Writes refused so far.
    int refusedWrites() const;
};
