#pragma once

class QFile;

// An exclusive lock on a whole open table file, held for the lifetime of the
// object. Another program instance that asks for the same lock waits until
// this one is released, so an append can reread the record count and write
// behind the last record without a second writer slipping in between.
//
// The lock belongs to the open file (not to the process where the system
// allows), and it is advisory: only writers that lock take part.
class DbfTableLock
{
public:
    explicit DbfTableLock(QFile& file);
    ~DbfTableLock();
    DbfTableLock(const DbfTableLock&) = delete;
    DbfTableLock& operator=(const DbfTableLock&) = delete;

    // False on file systems that do not support locking; the caller goes on
    // unlocked then, as a single instance always could.
    bool isLocked() const { return m_locked; }

private:
    QFile& m_file;
    bool m_locked = false;
};
