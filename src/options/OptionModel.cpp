#include "options/OptionModel.h"

#include "options/OptionEnabling.h"
#include "options/OptionFileSnapshot.h"

#include <QtGlobal>

namespace qx {

OptionModel::OptionModel() : m_loaded(kOptionCount), m_values(kOptionCount) {
    for (const OptionInfo &info : AllOptions()) {
        m_loaded[index(info.id)].note = LoadNote::Missing;
    }
}

OptionModel OptionModel::load(const OptionTextSource &source) {
    OptionModel model;
    for (const OptionInfo &info : AllOptions()) {
        model.m_loaded[index(info.id)] = LoadOption(info, source);
        model.m_values[index(info.id)] = model.m_loaded[index(info.id)].value;
    }
    return model;
}

OptionModel OptionModel::read(const QString &file) {
    return load(OptionFileSnapshot::read(file));
}

void OptionModel::setValue(OptionId id, const ControlValue &value) {
    m_values[index(id)] = value;
}

void OptionModel::setNumber(OptionId id, int number) {
    const OptionInfo &option = info(id);
    // The aspect's boxes and the resolution's size stay when "automatic" or the refresh rate changes.
    const bool keepsText = option.kind == ControlKind::Aspect || option.kind == ControlKind::Resolution;
    ControlValue value = keepsText ? this->value(id) : ControlValue{};
    value.number =
        option.kind == ControlKind::Slider ? qBound(option.minimum, number, option.maximum) : number;
    setValue(id, value);
}

void OptionModel::setText(OptionId id, const QString &text) {
    ControlValue value = this->value(id);
    value.text = text;
    setValue(id, value);
}

void OptionModel::setShownIndex(OptionId id, int shownIndex) {
    setValue(id, ListValueAt(info(id), loaded(id), shownIndex));
}

bool OptionModel::isChanged(OptionId id) const {
    return !SameControlValue(info(id), value(id), loaded(id).value);
}

QString OptionModel::currentText(OptionId id) const {
    if (!isChanged(id)) {
        return loaded(id).fileText;
    }
    return WrittenText(info(id), value(id), loaded(id));
}

QList<OptionId> OptionModel::pendingOptions(const OptionEnvironment &environment) const {
    QList<OptionId> ids;
    for (const OptionInfo &option : AllOptions()) {
        if (isChanged(option.id) && IsOptionEnabled(*this, option.id, environment)) {
            ids.append(option.id);
        }
    }
    return ids;
}

QList<OptionWrite> OptionModel::writesOf(const QList<OptionId> &ids) const {
    QList<OptionWrite> writes;
    for (const OptionId id : ids) {
        writes += WrittenOptions(info(id), value(id), loaded(id));
    }
    return writes;
}

QList<OptionWrite> OptionModel::pendingWrites(const OptionEnvironment &environment) const {
    return writesOf(pendingOptions(environment));
}

OptionWriteResult OptionModel::save(const QString &file, const OptionEnvironment &environment) {
    const QList<OptionId> ids = pendingOptions(environment);
    const OptionWriteResult result = WriteEmulatorOptions(writesOf(ids), file);
    if (result.ok) {
        for (const OptionId id : ids) {
            LoadedOption &entry = m_loaded[index(id)];
            entry.fileText = WrittenText(info(id), value(id), entry);
            entry.value = value(id);
            entry.note = LoadNote::None;
        }
    }
    return result;
}

} // namespace qx
