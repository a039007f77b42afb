#include "app/InstanceLock.h"

#include <QSysInfo>

namespace qx {

InstanceLock::InstanceLock(const QString &programDir)
    : m_path(programDir + QStringLiteral("qx.lock")), m_lock(m_path) {
    // A running Quorvex never refreshes its lock, so age alone must not make it stale; a lock of this
    // machine is stale when its process has gone, which QLockFile checks by itself.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::ownerCannotBeChecked() const {
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&pid, &host, &application)) {
        return true; // empty or garbled
    }
    return !host.isEmpty() && host != QSysInfo::machineHostName();
}

InstanceLock::Outcome InstanceLock::acquire() {
    if (m_lock.tryLock(0)) {
        return Outcome::Acquired;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        return Outcome::FolderNotWritable;
    }
    if (ownerCannotBeChecked()) {
        // Now age may decide: QLockFile removes the lock when it is older than this, guarding the removal
        // against another instance doing the same.
        m_lock.setStaleLockTime(kUnverifiableLockGraceMs);
        const bool taken = m_lock.tryLock(0);
        m_lock.setStaleLockTime(0);
        if (taken) {
            return Outcome::Acquired;
        }
    }
    return Outcome::HeldByAnotherInstance;
}

} // namespace qx
