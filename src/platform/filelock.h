#pragma once
// An advisory lock that keeps two copies of the program off one file: an exclusive,
// non-blocking flock held for as long as the object lives. Programs that do not take
// the lock are not kept out; on Linux a lock is only advisory.
#include <QString>

namespace lumora {

class FileLock {
public:
    // Opens the file (found without regard to case) and tries to lock it exclusively
    // without waiting. A missing file, or one that another holder has locked, is not
    // locked.
    explicit FileLock(const QString &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool locked() const { return m_fd >= 0; }
    // Gives the lock up before the object ends.
    void release();

private:
    int m_fd = -1;
};

} // namespace lumora
