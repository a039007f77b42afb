#include "options/OptionLayers.h"

#include "options/OptionConversions.h"
#include "options/OptionFiles.h"
#include "options/OptionModel.h"
#include "options/OptionScope.h"
#include "options/OptionTextSource.h"

namespace qx {

namespace {

// The layers merged as MAME merges them: the highest layer that has an option gives its value.
class MergedLayers : public OptionTextSource {
public:
    explicit MergedLayers(const QList<OptionLayer> &layers) : m_layers(layers) {}
    std::optional<QString> find(const QString &name) const override {
        for (auto layer = m_layers.crbegin(); layer != m_layers.crend(); ++layer) {
            if (std::optional<QString> value = layer->file.find(name)) {
                return value;
            }
        }
        return std::nullopt;
    }

private:
    const QList<OptionLayer> &m_layers;
};

QStringList layerNames(const OptionScope &scope) {
    QStringList names{QStringLiteral("mame.ini")};
    if (scope.kind() == OptionScopeKind::Driver || scope.kind() == OptionScopeKind::Set) {
        names.append(scope.selection().vectorScreen ? QStringLiteral("vector.ini")
                                                    : QStringLiteral("raster.ini"));
    }
    if (scope.kind() == OptionScopeKind::Set) {
        names.append(QStringLiteral("source/") + scope.driverName() + QStringLiteral(".ini"));
        if (scope.isClone()) {
            names.append(scope.selection().parentName + QStringLiteral(".ini"));
        }
    }
    return names;
}

} // namespace

OptionLayers OptionLayers::load(const OptionScope &scope, const QString &emulatorIniPath,
                                const QString &emulatorDir) {
    OptionLayers result;
    if (scope.kind() == OptionScopeKind::Default) {
        return result;
    }
    const OptionFileSnapshot mameIni = OptionFileSnapshot::read(emulatorIniPath);
    const QStringList folders = IniSearchFolders(mameIni.value(QStringLiteral("inipath")), emulatorDir);
    for (const QString &name : layerNames(scope)) {
        OptionLayer layer;
        layer.label = name;
        if (name == QLatin1String("mame.ini")) {
            layer.path = emulatorIniPath;
            layer.file = mameIni;
        } else {
            layer.path = FindLayerFile(folders, name);
            layer.file = layer.path.isEmpty() ? OptionFileSnapshot() : OptionFileSnapshot::read(layer.path);
        }
        result.m_layers.append(layer);
    }
    return result;
}

QList<LayerValue> OptionLayers::valuesBelow(OptionId id) const {
    const OptionInfo &info = Option(id);
    QList<LayerValue> values;
    for (const OptionLayer &layer : m_layers) {
        const LoadedOption loaded = LoadOption(info, layer.file);
        // A layer may hold some of the rotation's five options without "rotate" itself.
        if (loaded.present || !loaded.fileText.isEmpty()) {
            values.append(LayerValue{layer.label, loaded.fileText});
        }
    }
    return values;
}

std::optional<ControlValue> OptionLayers::valueBelow(OptionId id) const {
    const MergedLayers merged(m_layers);
    const LoadedOption below = LoadOption(Option(id), merged);
    if (!below.present) {
        return std::nullopt;
    }
    return below.value;
}

bool OptionLayers::overrides(OptionId id, const OptionModel &model) const {
    if (!model.isPresent(id)) {
        return false;
    }
    const std::optional<ControlValue> below = valueBelow(id);
    return below && !SameControlValue(Option(id), *below, model.value(id));
}

QString OptionLayers::toolTip(OptionId id, const OptionModel &model) const {
    const QList<LayerValue> values = valuesBelow(id);
    if (values.isEmpty()) {
        return QString();
    }
    QStringList parts;
    for (const LayerValue &value : values) {
        parts.append(value.label + QLatin1Char(' ') + value.text);
    }
    if (model.isPresent(id)) {
        parts.append(QStringLiteral("this file ") + model.currentText(id));
    }
    return parts.join(QStringLiteral(" · "));
}

} // namespace qx
