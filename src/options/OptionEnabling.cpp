#include "options/OptionEnabling.h"

#include "options/OptionModel.h"

namespace qx {

namespace {

bool enabledByVideo(OptionId id, VideoRule rule) {
    const bool hardware = rule == VideoRule::Hardware;
    const bool drawn = hardware || rule == VideoRule::Software;
    switch (id) {
    case OptionId::D3dVersion:
    case OptionId::Filter:
        return hardware;
    case OptionId::HwStretch:
        return rule == VideoRule::Software;
    case OptionId::TripleBuffer:
    case OptionId::SyncRefresh:
    case OptionId::WaitVsync:
    case OptionId::FullScreenGamma:
    case OptionId::FullScreenBrightness:
    case OptionId::FullScreenContrast:
    case OptionId::PauseBrightness:
    case OptionId::Gamma:
    case OptionId::Brightness:
    case OptionId::Contrast:
        return drawn;
    case OptionId::KeepAspect:
        return rule != VideoRule::NoVideo;
    default:
        return true;
    }
}

bool enabledByRules(const OptionModel &model, OptionId id, const OptionEnvironment &environment) {
    const OptionInfo &info = Option(id);
    if (info.kind == ControlKind::Resolution) {
        return model.isChecked(OptionId::SwitchRes);
    }
    switch (id) {
    case OptionId::Maximize:
        return model.isChecked(OptionId::Window);
    case OptionId::FrameSkip:
        return !model.isChecked(OptionId::AutoFrameSkip);
    case OptionId::Samples:
    case OptionId::SampleRate:
    case OptionId::Volume:
    case OptionId::AudioLatency:
        return model.isChecked(OptionId::Sound);
    case OptionId::NumScreens:
        return ScreenSelectionEnabled(environment);
    default:
        return enabledByVideo(id, VideoRuleFor(model.currentText(OptionId::Video)));
    }
}

const QList<OptionId> &cabinetArtwork() {
    static const QList<OptionId> ids{OptionId::UseBackdrops, OptionId::UseBezels, OptionId::UseOverlays};
    return ids;
}

} // namespace

VideoRule VideoRuleFor(const QString &videoValue) {
    const QString value = videoValue.trimmed().toLower();
    if (value == QLatin1String("none")) {
        return VideoRule::NoVideo;
    }
    if (value == QLatin1String("gdi")) {
        return VideoRule::Gdi;
    }
    if (value == QLatin1String("soft") || value == QLatin1String("ddraw")) {
        return VideoRule::Software;
    }
    return VideoRule::Hardware;
}

bool IsOptionEnabled(const OptionModel &model, OptionId id, const OptionEnvironment &environment) {
    return model.isPresent(id) && enabledByRules(model, id, environment);
}

bool AspectBoxesEnabled(const OptionModel &model, int screen) {
    const OptionId id = PerScreen(OptionId::Aspect0, screen);
    return model.isPresent(id) && !model.isChecked(id);
}

bool ScreenSelectionEnabled(const OptionEnvironment &environment) {
    return environment.monitorCount > 1;
}

QString FrameCaption(const OptionModel &model, const QString &frame) {
    for (const OptionInfo &info : AllOptions()) {
        if (info.frame == frame && model.isPresent(info.id)) {
            return frame;
        }
    }
    return frame + QStringLiteral(" n/a");
}

bool CabinetArtworkTicked(const OptionModel &model) {
    for (const OptionId id : cabinetArtwork()) {
        if (model.isChecked(id)) {
            return true;
        }
    }
    return false;
}

void SetCabinetArtwork(OptionModel &model, bool ticked) {
    for (const OptionId id : cabinetArtwork()) {
        if (model.isPresent(id)) {
            model.setChecked(id, ticked);
        }
    }
}

bool RunsWithoutVideo(const OptionModel &model) {
    return model.isPresent(OptionId::Video) &&
           VideoRuleFor(model.currentText(OptionId::Video)) == VideoRule::NoVideo;
}

} // namespace qx
