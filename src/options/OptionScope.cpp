#include "options/OptionScope.h"

#include <algorithm>

namespace qx {

OptionsScopeFlags OptionsScopeFlags::forEntry(OptionsMenuEntry entry) {
    OptionsScopeFlags flags;
    flags.set = entry == OptionsMenuEntry::SetOptions;
    flags.driver = entry == OptionsMenuEntry::DriverOptions;
    flags.vector = entry == OptionsMenuEntry::VectorOptions;
    return flags;
}

OptionScopeKind OptionsScopeFlags::kind() const {
    if (set) {
        return OptionScopeKind::Set;
    }
    if (driver) {
        return OptionScopeKind::Driver;
    }
    return vector ? OptionScopeKind::Vector : OptionScopeKind::Default;
}

OptionScope OptionScope::fromFlags(const OptionsScopeFlags &flags, const OptionScopeSelection &selection) {
    OptionScope scope;
    scope.m_kind = flags.kind();
    if (scope.m_kind == OptionScopeKind::Set || scope.m_kind == OptionScopeKind::Driver) {
        scope.m_selection = selection;
    }
    return scope;
}

OptionScope OptionScope::forEntry(OptionsMenuEntry entry, const OptionScopeSelection &selection) {
    return fromFlags(OptionsScopeFlags::forEntry(entry), selection);
}

bool OptionScope::isValid() const {
    switch (m_kind) {
    case OptionScopeKind::Set:
        return !m_selection.setName.isEmpty();
    case OptionScopeKind::Driver:
        return !driverName().isEmpty();
    default:
        return true;
    }
}

QString OptionScope::driverFileName() const {
    const QString &source = m_selection.driverSourceFile;
    const qsizetype slash =
        std::max(source.lastIndexOf(QLatin1Char('/')), source.lastIndexOf(QLatin1Char('\\')));
    return source.mid(slash + 1);
}

QString OptionScope::driverName() const {
    const QString file = driverFileName();
    const qsizetype dot = file.indexOf(QLatin1Char('.'));
    return dot < 0 ? file : file.left(dot);
}

QString OptionScope::fileBaseName() const {
    switch (m_kind) {
    case OptionScopeKind::Vector:
        return QStringLiteral("vector");
    case OptionScopeKind::Driver:
        // MAME reads a driver's options from the source folder of the INI directory.
        return QStringLiteral("source/") + driverName();
    case OptionScopeKind::Set:
        return m_selection.setName;
    case OptionScopeKind::Default:
        break;
    }
    return QString();
}

QString OptionScopeTitle(const OptionScope &scope, const QString &filePath) {
    switch (scope.kind()) {
    case OptionScopeKind::Set:
        return QStringLiteral("Set Options - ") + scope.selection().setName;
    case OptionScopeKind::Driver:
        return QStringLiteral("Driver Options - ") + scope.driverFileName();
    case OptionScopeKind::Vector:
        // The path keeps its case: on a case-sensitive file system a lowered path names another file.
        return QStringLiteral("Options - ") + filePath;
    case OptionScopeKind::Default:
        break;
    }
    return QStringLiteral("Default Options");
}

QString OptionScopeHelpText(const OptionScope &scope) {
    const QString &set = scope.selection().setName;
    switch (scope.kind()) {
    case OptionScopeKind::Set:
        if (scope.isClone()) {
            return QStringLiteral("For ") + set + QStringLiteral(" only. Takes priority over ") +
                   scope.selection().parentName + QStringLiteral("/driver/vector and default options.");
        }
        return QStringLiteral("For ") + set +
               QStringLiteral(" and relative clones. Takes priority over driver/vector and default options.");
    case OptionScopeKind::Driver:
        return QStringLiteral("For ") + scope.driverFileName() +
               QStringLiteral(" driver sets only. Takes priority over vector and default options.");
    case OptionScopeKind::Vector:
        return QStringLiteral("For vector sets only. Takes priority over default options.");
    case OptionScopeKind::Default:
        break;
    }
    return QString();
}

QString DeleteOptionFileQuestion(const OptionScope &scope) {
    QString name;
    switch (scope.kind()) {
    case OptionScopeKind::Set:
        name = scope.selection().setName;
        break;
    case OptionScopeKind::Driver:
        name = scope.driverName();
        break;
    case OptionScopeKind::Vector:
        name = QStringLiteral("vector");
        break;
    case OptionScopeKind::Default:
        return QString();
    }
    return QStringLiteral("Delete ") + name + QStringLiteral(".ini?");
}

} // namespace qx
