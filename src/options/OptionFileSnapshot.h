#pragma once

#include "options/OptionTextSource.h"

#include <QByteArray>
#include <QList>

namespace qx {

// One MAME option file read once, answering any number of option look-ups with ReadEmulatorOption's rule (the
// first line that starts with the name and holds the name followed by a blank; its value trimmed), so that a
// page of options costs one read rather than one per option.
class OptionFileSnapshot : public OptionTextSource {
public:
    OptionFileSnapshot() = default;
    static OptionFileSnapshot read(const QString &path);
    static OptionFileSnapshot fromContent(const QByteArray &content);

    bool isReadable() const { return m_readable; }
    // The value as ReadEmulatorOption gives it, when a line has the option as its first word (the lines a
    // write replaces); nullopt otherwise.
    std::optional<QString> find(const QString &name) const override;
    // ReadEmulatorOption's result: "" when missing.
    QString value(const QString &name) const;

private:
    QList<QByteArray> m_lines;
    bool m_readable = false;
};

// True when the line's first word, up to its first blank, is the name: the lines WriteEmulatorOption
// replaces.
bool IsOptionLineOf(const QByteArray &line, const QByteArray &name);

} // namespace qx
