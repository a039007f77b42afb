#include "options/ScreenOptions.h"

#include <QtGlobal>

namespace qx {

namespace {

bool isDigits(const QString &text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

void addOnce(QStringList &entries, const QString &entry) {
    if (!entries.contains(entry)) {
        entries.append(entry);
    }
}

} // namespace

bool IsAutoValue(const QString &text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || trimmed.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0;
}

ControlValue ResolutionValue(const QString &text, LoadNote *note) {
    if (IsAutoValue(text)) {
        return ControlValue{};
    }
    const QString trimmed = text.trimmed();
    const qsizetype at = trimmed.indexOf(QLatin1Char('@'));
    const QStringList size =
        trimmed.left(at).split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    bool widthOk = false;
    bool heightOk = false;
    bool rateOk = at < 0;
    const int width = size.value(0).toInt(&widthOk);
    const int height = size.value(1).toInt(&heightOk);
    const int rate = at < 0 ? 0 : trimmed.mid(at + 1).toInt(&rateOk);
    if (!widthOk || !heightOk || !rateOk) {
        if (note) {
            *note = LoadNote::UnknownValue;
        }
        return ControlValue{};
    }
    ControlValue value;
    if (width > 0 && height > 0) {
        value.text = QStringLiteral("%1x%2").arg(width).arg(height);
    }
    value.number = rate > 0 ? rate : 0;
    return value;
}

QString ResolutionText(const ControlValue &value) {
    if (value.text.isEmpty() && value.number <= 0) {
        return QStringLiteral("auto");
    }
    const QString size = value.text.isEmpty() ? QStringLiteral("0x0") : value.text;
    return size + QLatin1Char('@') + QString::number(qMax(value.number, 0));
}

QString SizeEntry(const ControlValue &resolution) {
    return resolution.text.isEmpty() ? QStringLiteral("Auto") : resolution.text;
}

QString RefreshEntry(const ControlValue &resolution) {
    return resolution.number > 0 ? QStringLiteral("%1 Hz").arg(resolution.number) : QStringLiteral("Auto");
}

ControlValue ResolutionFromEntries(const QString &sizeEntry, const QString &refreshEntry) {
    ControlValue value;
    if (sizeEntry != QLatin1String("Auto")) {
        value.text = sizeEntry;
    }
    value.number = qMax(0, refreshEntry.section(QLatin1Char(' '), 0, 0).toInt());
    return value;
}

ControlValue AspectValue(const QString &text, LoadNote *note) {
    if (IsAutoValue(text)) {
        return ControlValue{1, {}, {}};
    }
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
    const QString width = trimmed.left(colon);
    const QString height = trimmed.mid(colon + 1);
    if (colon < 0 || !isDigits(width) || !isDigits(height)) {
        if (note) {
            *note = LoadNote::UnknownValue;
        }
        return ControlValue{0, trimmed, {}};
    }
    return ControlValue{0, width, height};
}

QString AspectText(const ControlValue &value) {
    if (value.number == 1 || value.text.isEmpty() || value.second.isEmpty()) {
        return QStringLiteral("auto");
    }
    return value.text + QLatin1Char(':') + value.second;
}

QStringList DisplaySizeEntries(const QList<QSize> &modes) {
    QStringList entries{QStringLiteral("Auto")};
    for (const QSize &mode : modes) {
        addOnce(entries, QStringLiteral("%1x%2").arg(mode.width()).arg(mode.height()));
    }
    return entries;
}

QStringList RefreshRateEntries(const QList<int> &rates) {
    QStringList entries{QStringLiteral("Auto")};
    for (const int rate : rates) {
        if (rate > 1) {
            addOnce(entries, QStringLiteral("%1 Hz").arg(rate));
        }
    }
    return entries;
}

QStringList ScreenNumberEntries(int screens) {
    QStringList entries;
    for (int n = 0; n < screens; ++n) {
        entries.append(QStringLiteral("Screen %1").arg(n));
    }
    return entries;
}

QStringList MonitorEntries(const QStringList &monitorNames) {
    return QStringList{QStringLiteral("Auto")} + monitorNames;
}

} // namespace qx
