#pragma once

#include <QLockFile>
#include <QString>

namespace qx {

// One Quorvex per program directory, through qx.lock in it. A lock whose owner can be seen to have gone is
// taken over: the process check covers a lock of this machine, and a lock that names no process that could
// be checked (empty or garbled after a power cut, or written on another host) is taken over once it is
// older than a few seconds, the time another instance needs to fill in the lock it has just created.
class InstanceLock {
public:
    enum class Outcome {
        Acquired,
        HeldByAnotherInstance, // another Quorvex runs on this folder: this one ends quietly
        FolderNotWritable,     // the lock cannot be made at all: read-only folder, full disk, no folder
    };

    explicit InstanceLock(const QString &programDir);

    Outcome acquire();
    const QString &lockPath() const { return m_path; }

    // Long enough for another instance to write the lock it has just created.
    static constexpr int kUnverifiableLockGraceMs = 5000;

private:
    bool ownerCannotBeChecked() const;

    QString m_path;
    QLockFile m_lock;
};

} // namespace qx
