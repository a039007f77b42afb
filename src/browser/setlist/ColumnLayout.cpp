#include "browser/setlist/ColumnLayout.h"

#include "app/SettingsKeys.h"

#include <QStringList>
#include <optional>

namespace qx {
namespace {

std::optional<ColumnList> FirstSevenNumbers(const QString &text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 7) {
        return std::nullopt;
    }
    ColumnList values{};
    for (int i = 0; i < 7; ++i) {
        bool ok = false;
        values[std::size_t(i)] = parts.at(i).trimmed().toInt(&ok);
        if (!ok || values[std::size_t(i)] < 0) {
            return std::nullopt;
        }
    }
    return values;
}

} // namespace

ColumnList ParseColumnOrder(const QString &text) {
    const std::optional<ColumnList> order = FirstSevenNumbers(text);
    if (!order) {
        return kDefaultColumnOrder;
    }
    std::array<bool, 7> seen{};
    for (const int column : *order) {
        if (column > 6 || seen[std::size_t(column)]) {
            return kDefaultColumnOrder;
        }
        seen[std::size_t(column)] = true;
    }
    return *order;
}

ColumnList ParseColumnWidths(const QString &text) {
    if (const std::optional<ColumnList> widths = FirstSevenNumbers(text)) {
        return *widths;
    }
    return DefaultColumnWidths();
}

ColumnList DefaultColumnWidths() {
    static const ColumnList widths = *FirstSevenNumbers(Settings::ColumnWidths.defaultText());
    return widths;
}

QString FormatColumnList(const ColumnList &values) {
    QStringList parts;
    for (const int value : values) {
        parts.append(QString::number(value));
    }
    return parts.join(QLatin1Char(','));
}

} // namespace qx
