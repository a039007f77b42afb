#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>

namespace qx {

// The verify rule: the sets that MAME's -verifyroms output reports usable. A line counts when it contains
// "is good" or "is best available" (case-sensitive); its set name runs from the eighth character (just after
// "romset ") to the next space. Held in a hash, because the cache has tens of thousands of sets to look up.
class AvailableNames {
public:
    AvailableNames() = default;

    static AvailableNames FromVerifyOutput(QByteArrayView output);
    // A missing file gives no names: every set is then unavailable.
    static AvailableNames ReadVerifyFile(const QString &path);

    bool contains(QByteArrayView name) const {
        return m_names.contains(QByteArray::fromRawData(name.data(), name.size()));
    }
    bool contains(const QString &name) const { return m_names.contains(name.toUtf8()); }
    qsizetype size() const { return m_names.size(); }
    bool isEmpty() const { return m_names.isEmpty(); }

    // The name a verify line reports as usable, or an empty view when the line does not count.
    static QByteArrayView NameOfUsableLine(QByteArrayView line);

private:
    QSet<QByteArray> m_names;
};

inline const QString kVerifyRomsWorkFile = QStringLiteral("qx_verifyroms.dat");

} // namespace qx
