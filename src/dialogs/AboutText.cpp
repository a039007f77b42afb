#include "dialogs/AboutText.h"

#include "app/FrontendSettings.h"
#include "app/SettingsKeys.h"
#include "app/UserPrompts.h"

namespace qx {

namespace {

// The count as a plain number, or nullopt for anything that is not a whole number of sets.
std::optional<int> countOf(const QString &text) {
    const auto number = FrontendSettings::DecodeInteger(text);
    return number && *number >= 0 ? number : std::nullopt;
}

} // namespace

QString AboutCaption() {
    return QStringLiteral("About ") + kAppTitle;
}

QString FrontendVersionLine() {
    return QStringLiteral("MAME Frontend v%1.%2.%3")
        .arg(QX_VERSION_MAJOR)
        .arg(QX_VERSION_MINOR)
        .arg(QX_VERSION_PATCH);
}

QString AboutCreditLine() {
    return QStringLiteral("Written by the Quorvex developers; free software under the GNU GPL.");
}

QStringList AboutVersionLines(const FrontendSettings &settings) {
    QStringList lines{FrontendVersionLine()};
    const QString version = settings.get(Settings::Version).trimmed();
    if (version.isEmpty()) {
        return lines;
    }
    lines.append(version);
    lines.append(settings.get(Settings::Exe));
    const auto sets = countOf(settings.read(Settings::SetLimit));
    lines.append(QStringLiteral("Supported Sets: ") +
                 (sets ? QString::number(*sets) : QStringLiteral("unknown")));
    const auto bios = countOf(settings.read(Settings::BiosSets));
    lines.append(bios ? QStringLiteral("(%1 are BIOS sets)").arg(*bios)
                      : QStringLiteral("(number of BIOS sets unknown)"));
    return lines;
}

} // namespace qx
