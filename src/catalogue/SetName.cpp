#include "catalogue/SetName.h"

#include "app/UserPrompts.h"

namespace qx {

bool IsMameSetName(const QString &name) {
    return !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_');
    });
}

bool AcceptSetName(const QString &name, UserPrompts &prompts) {
    if (IsMameSetName(name)) {
        return true;
    }
    prompts.inform(
        QStringLiteral("\u201C%1\u201D cannot be the name of a MAME set: set names hold only lower-case "
                       "letters, digits and \u201C_\u201D. Quorvex neither passes it to MAME nor "
                       "uses it to name a file. The set list (qx.dat) may be damaged.")
            .arg(name),
        kAppTitle, PromptIcon::Error);
    return false;
}

} // namespace qx
