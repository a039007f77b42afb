#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace qx::test {

// Sets an environment variable for the runs of one test and puts back what was there, also when a failed
// check leaves the test early.
class EnvironmentScope {
public:
    EnvironmentScope(const char *name, const QByteArray &value)
        : m_name(name), m_old(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~EnvironmentScope() { m_wasSet ? qputenv(m_name, m_old) : qunsetenv(m_name); }
    EnvironmentScope(const EnvironmentScope &) = delete;
    EnvironmentScope &operator=(const EnvironmentScope &) = delete;

private:
    const char *m_name;
    QByteArray m_old;
    bool m_wasSet;
};

} // namespace qx::test
