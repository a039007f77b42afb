#include "launch/DisplayModes.h"

#include <algorithm>
#include <cmath>

namespace qx {

namespace {

// A side of a resolution text: decimal digits only (no sign, no blanks inside), 1 to kMaxDisplaySide.
std::optional<int> parseSide(QStringView text) {
    const QStringView trimmed = text.trimmed();
    const bool digitsOnly = !trimmed.isEmpty() && std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    bool ok = false;
    const int value = digitsOnly ? trimmed.toInt(&ok) : 0;
    if (!ok || value < 1 || value > kMaxDisplaySide) {
        return std::nullopt;
    }
    return value;
}

} // namespace

QString ResolutionText(DisplayResolution resolution) {
    return QStringLiteral("%1x%2").arg(resolution.width).arg(resolution.height);
}

FullScreenResParse ParseFullScreenRes(const QString &text) {
    if (text.trimmed().isEmpty()) {
        return {std::nullopt, QStringLiteral("No full-screen resolution is set.")};
    }
    const qsizetype x = text.indexOf(QLatin1Char('x'), 0, Qt::CaseInsensitive);
    if (x < 0) {
        return {std::nullopt,
                QStringLiteral("\"%1\" is not a resolution: write the width, \"x\" and the height, "
                               "for example 800x600.")
                    .arg(text)};
    }
    const std::optional<int> width = parseSide(QStringView(text).left(x));
    const std::optional<int> height = parseSide(QStringView(text).mid(x + 1));
    if (!width || !height) {
        return {std::nullopt,
                QStringLiteral("\"%1\" is not a resolution a display can show: width and height "
                               "must be whole numbers from 1 to %2, for example 800x600.")
                    .arg(text)
                    .arg(kMaxDisplaySide)};
    }
    return {DisplayResolution{*width, *height}, {}};
}

QStringList DistinctResolutionTexts(const QList<DisplayMode> &modes) {
    QList<DisplayResolution> sizes;
    for (const DisplayMode &mode : modes) {
        if (!sizes.contains(mode.size)) {
            sizes.append(mode.size);
        }
    }
    std::sort(sizes.begin(), sizes.end(), [](DisplayResolution a, DisplayResolution b) {
        return std::pair(a.width, a.height) < std::pair(b.width, b.height);
    });
    QStringList texts;
    for (const DisplayResolution size : sizes) {
        texts.append(ResolutionText(size));
    }
    return texts;
}

QString RefreshRateText(double refreshHz) {
    const long hertz = std::lround(refreshHz);
    return hertz > 0 ? QStringLiteral("%1 Hz").arg(hertz) : QString();
}

QStringList DistinctRefreshRateTexts(const QList<DisplayMode> &modes) {
    QList<long> rates;
    for (const DisplayMode &mode : modes) {
        const long hertz = std::lround(mode.refreshHz);
        if (hertz > 0 && !rates.contains(hertz)) {
            rates.append(hertz);
        }
    }
    std::sort(rates.begin(), rates.end());
    QStringList texts;
    for (const long hertz : rates) {
        texts.append(RefreshRateText(double(hertz)));
    }
    return texts;
}

std::optional<qsizetype> FindModeKeepingRefresh(const QList<DisplayMode> &modes, DisplayResolution size,
                                                double keepHz) {
    std::optional<qsizetype> best;
    for (qsizetype i = 0; i < modes.size(); ++i) {
        if (modes[i].size == size &&
            (!best || std::abs(modes[i].refreshHz - keepHz) < std::abs(modes[*best].refreshHz - keepHz))) {
            best = i;
        }
    }
    return best;
}

} // namespace qx
