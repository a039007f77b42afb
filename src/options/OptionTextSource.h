#pragma once

#include <QString>
#include <optional>

namespace qx {

// Where option values are read from: one option file, or several layered ones.
class OptionTextSource {
public:
    virtual ~OptionTextSource() = default;
    // The option's value text; nullopt when no line carries the option (it then cannot be written either).
    virtual std::optional<QString> find(const QString &name) const = 0;
};

} // namespace qx
