#include "options/OptionConversions.h"

#include "options/EmulatorOptionFile.h"
#include "options/OptionTextSource.h"

#include <QtGlobal>
#include <cmath>

namespace qx {

namespace {

// A number as MAME writes it; text that is not a number counts as 0.
double numberOf(const QString &text, bool *ok = nullptr) {
    bool parsed = false;
    const double value = text.trimmed().toDouble(&parsed);
    if (ok) {
        *ok = parsed;
    }
    return parsed ? value : 0.0;
}

bool isOne(const QString &text) {
    return numberOf(text) == 1.0;
}

ControlValue listValue(const OptionInfo &info, const QString &text, LoadNote *note) {
    for (qsizetype i = 0; i < info.values.size(); ++i) {
        if (info.values.at(i).compare(text.trimmed(), Qt::CaseInsensitive) == 0) {
            return ControlValue{static_cast<int>(i), {}, {}};
        }
    }
    *note = LoadNote::UnknownValue;
    return ControlValue{-1, text, {}};
}

ControlValue valueOfText(const OptionInfo &info, const QString &text, LoadNote *note) {
    switch (info.kind) {
    case ControlKind::CheckBox:
        return ControlValue{isOne(text) ? 1 : 0, {}, {}};
    case ControlKind::Slider:
        return ControlValue{SliderPosition(info, text, note), {}, {}};
    case ControlKind::List:
        return listValue(info, text, note);
    case ControlKind::Text:
        return ControlValue{0,
                            info.form == WrittenForm::FileTitle && text.isEmpty()
                                ? QString::fromLatin1(kDefaultInputLayout)
                                : text,
                            {}};
    case ControlKind::SoundModule:
        return ControlValue{SoundEnabled(text) ? 1 : 0, {}, {}};
    case ControlKind::Monitor:
        return ControlValue{0, IsAutoValue(text) ? QStringLiteral("auto") : text, {}};
    case ControlKind::Aspect:
        return AspectValue(text, note);
    case ControlKind::Resolution:
        return ResolutionValue(text, note);
    case ControlKind::Rotation:
        break;
    }
    return ControlValue{};
}

// "Enable sound" over MAME's sound module: a box left as loaded keeps the file's module ("pulse" stays
// "pulse"); clearing it writes "none" and ticking it "auto", or 0 and 1 for an older MAME that took 0/1.
QString soundModule(bool enabled, const LoadedOption &loaded) {
    const QString module = loaded.fileText.trimmed();
    if (loaded.present && enabled == SoundEnabled(module)) {
        return loaded.fileText;
    }
    const bool zeroOrOne = module == QLatin1String("0") || module == QLatin1String("1");
    if (enabled) {
        return zeroOrOne ? QStringLiteral("1") : QStringLiteral("auto");
    }
    return zeroOrOne ? QStringLiteral("0") : QStringLiteral("none");
}

QString decimals(int position, int scale) {
    return QString::number(position / static_cast<double>(scale), 'f', 2);
}

} // namespace

LoadedOption LoadOption(const OptionInfo &info, const OptionTextSource &source) {
    LoadedOption loaded;
    const std::optional<QString> found = source.find(info.name);
    loaded.present = found.has_value();
    if (info.kind == ControlKind::Rotation) {
        const QStringList names = QStringList{info.name} + info.extraNames;
        QStringList texts;
        QStringList pairs;
        for (const QString &name : names) {
            const std::optional<QString> text = source.find(name);
            texts.append(text.value_or(QString()));
            if (text) {
                pairs.append(name + QLatin1Char(' ') + *text);
            }
        }
        loaded.value.number = RotationChoice(texts.at(0), texts.at(1), texts.at(2), texts.at(3), texts.at(4));
        loaded.fileText = pairs.join(QStringLiteral(", "));
    } else {
        loaded.fileText = found.value_or(QString());
        loaded.value = valueOfText(info, loaded.fileText, &loaded.note);
    }
    if (!loaded.present) {
        loaded.note = LoadNote::Missing;
        if (info.kind == ControlKind::List) {
            loaded.value = ControlValue{-1, {}, {}};
        }
    }
    return loaded;
}

bool SameControlValue(const OptionInfo &info, const ControlValue &a, const ControlValue &b) {
    if (info.kind == ControlKind::Aspect && a.number == 1 && b.number == 1) {
        return true;
    }
    return a == b;
}

QString WrittenText(const OptionInfo &info, const ControlValue &value, const LoadedOption &loaded) {
    switch (info.kind) {
    case ControlKind::CheckBox:
        return value.number ? QStringLiteral("1") : QStringLiteral("0");
    case ControlKind::Slider:
        return SliderText(info, value.number);
    case ControlKind::List:
        return value.number >= 0 && value.number < info.values.size() ? info.values.at(value.number)
                                                                      : value.text;
    case ControlKind::Text:
        return info.form == WrittenForm::FileTitle ? InputLayoutText(value.text) : value.text;
    case ControlKind::Rotation: {
        QStringList pairs;
        for (const OptionWrite &write : WrittenOptions(info, value, loaded)) {
            pairs.append(write.name + QLatin1Char(' ') + write.value);
        }
        return pairs.join(QStringLiteral(", "));
    }
    case ControlKind::SoundModule:
        return soundModule(value.number != 0, loaded);
    case ControlKind::Monitor:
        return IsAutoValue(value.text) ? QStringLiteral("auto") : value.text;
    case ControlKind::Aspect:
        return AspectText(value);
    case ControlKind::Resolution:
        return ResolutionText(value);
    }
    return QString();
}

QList<OptionWrite> WrittenOptions(const OptionInfo &info, const ControlValue &value,
                                  const LoadedOption &loaded) {
    if (info.kind != ControlKind::Rotation) {
        return {OptionWrite{info.name, info.gap, WrittenText(info, value, loaded)}};
    }
    const QStringList values = RotationValues(value.number);
    QList<OptionWrite> writes{OptionWrite{info.name, info.gap, values.at(0)}};
    for (qsizetype i = 0; i < info.extraNames.size(); ++i) {
        const QString &name = info.extraNames.at(i);
        writes.append(OptionWrite{name, EmulatorOptionPad(name), values.at(i + 1)});
    }
    return writes;
}

int SliderPosition(const OptionInfo &info, const QString &text, LoadNote *note) {
    bool ok = false;
    double value = numberOf(text, &ok);
    if (!std::isfinite(value)) {
        ok = false;
        value = 0.0;
    }
    // Bounded before rounding, so that a huge value cannot overflow the position.
    const double scaled = value * info.scale;
    const int position = qRound(qBound(info.minimum - 1.0, scaled, info.maximum + 1.0));
    const int bounded = qBound(info.minimum, position, info.maximum);
    if (note && !ok) {
        *note = LoadNote::NotANumber;
    } else if (note && bounded != position) {
        *note = LoadNote::OutOfRange;
    }
    return bounded;
}

QString ShortestDecimal(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString SliderText(const OptionInfo &info, int position) {
    switch (info.form) {
    case WrittenForm::Shortest:
        return ShortestDecimal(position / static_cast<double>(info.scale));
    case WrittenForm::TwoDecimals:
        return decimals(position, info.scale);
    default:
        return QString::number(position);
    }
}

QString SliderLabel(const OptionInfo &info, int position) {
    const QString number =
        info.labelDecimals == 2 ? decimals(position, info.scale) : QString::number(position);
    return info.labelPrefix + number + info.labelSuffix;
}

int RotationChoice(const QString &rotate, const QString &ror, const QString &rol, const QString &autoror,
                   const QString &autorol) {
    if (!isOne(rotate)) {
        return 3;
    }
    if (isOne(ror)) {
        return 1;
    }
    if (isOne(rol)) {
        return 2;
    }
    if (isOne(autoror)) {
        return 4;
    }
    return isOne(autorol) ? 5 : 0;
}

QStringList RotationValues(int choice) {
    static const char *const rows[6][5] = {{"1", "0", "0", "0", "0"}, {"1", "1", "0", "0", "0"},
                                           {"1", "0", "1", "0", "0"}, {"0", "0", "0", "0", "0"},
                                           {"1", "0", "0", "1", "0"}, {"1", "0", "0", "0", "1"}};
    QStringList values;
    for (const char *value : rows[qBound(0, choice, 5)]) {
        values.append(QString::fromLatin1(value));
    }
    return values;
}

bool SoundEnabled(const QString &module) {
    const QString value = module.trimmed();
    return value.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0 && value != QLatin1String("0");
}

QString InputLayoutText(const QString &text) {
    if (text.compare(QLatin1String(kDefaultInputLayout), Qt::CaseInsensitive) == 0) {
        return text;
    }
    const qsizetype slash = qMax(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\')));
    return text.mid(slash + 1);
}

QStringList ShownEntries(const OptionInfo &info, const LoadedOption &loaded) {
    if (!loaded.present) {
        return {};
    }
    QStringList entries = info.entries;
    if (loaded.value.number < 0) {
        entries.append(loaded.value.text);
    }
    return entries;
}

int ShownIndex(const OptionInfo &info, const ControlValue &value) {
    return value.number < 0 ? static_cast<int>(info.entries.size()) : value.number;
}

ControlValue ListValueAt(const OptionInfo &info, const LoadedOption &loaded, int shownIndex) {
    if (shownIndex >= 0 && shownIndex < info.entries.size()) {
        return ControlValue{shownIndex, {}, {}};
    }
    return loaded.value;
}

QString LoadNoteText(const OptionInfo &info, const LoadedOption &loaded) {
    const QString held = QStringLiteral("The file holds %1 %2, ").arg(info.name, loaded.fileText.left(80));
    switch (loaded.note) {
    case LoadNote::Missing:
        return QStringLiteral("This file has no %1 line (this MAME may not have the option), so it cannot be "
                              "changed here.")
            .arg(info.name);
    case LoadNote::NotANumber:
        return held + QStringLiteral("which is not a number. It stays until you change this setting.");
    case LoadNote::OutOfRange:
        return held + QStringLiteral("outside this setting's range. It stays until you change this setting.");
    case LoadNote::UnknownValue:
        return held +
               QStringLiteral("which this list does not offer. It stays until you change this setting.");
    case LoadNote::None:
        break;
    }
    return QString();
}

} // namespace qx
