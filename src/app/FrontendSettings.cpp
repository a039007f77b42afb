#include "app/FrontendSettings.h"

#include "app/ProfileIni.h"
#include "app/ProfileIniFile.h"
#include "app/TextFile.h"

#include <cmath>

namespace qx {

namespace {

using namespace Settings;

// Every key, in the order of the default file.
constexpr const SettingKey *kKeys[] = {
    &WindowState,
    &MainHeight,
    &MainLeft,
    &MainTop,
    &MainWidth,
    &ShowHistory,
    &SplitterLeft,
    &ColumnWidths,
    &ColumnPos,
    &FullRowSelect,
    &GhostIcon,
    &MouseFocus,
    &ShowStatusBar,
    &ViewMode,
    &HideClones,
    &HideBios,
    &ConfirmVerify,
    &LastSelected,
    &ShowA,
    &ShowU,
    &ShowConsole,
    &KeepConsoleOpen,
    &ShowMenu,
    &Url,
    &Avi,
    &PlayAvi,
    &UseNotepad,
    &Tray,
    &TrayMin,
    &ShowToolTips,
    &FullScreenRes,
    &UseAltRes,
    &Toolbar,
    &FontName,
    &FontBold,
    &FontItalic,
    &FontSize,
    &StrikeOut,
    &Underline,
    &FontColour,
    &BackColour,
    &TreeBackColour,
    &SbFontName,
    &SbFontBold,
    &SbFontItalic,
    &SbFontSize,
    &SbStrikeOut,
    &SbUnderline,
    &InfoFontName,
    &InfoFontBold,
    &InfoFontItalic,
    &InfoFontSize,
    &InfoStrikeOut,
    &InfoUnderline,
    &InfoBackColour,
    &PicBackColour,
    &InfoFontColour,
    &DialogueFont,
    &Picture,
    &PicturePath,
    &RandomSelectOnly,
    &JoySelect,
    &JoyId,
    &CheckSamples,
    &NeverFastScan,
    &VerifyDialog,
    &Mrud,
    &Mrud2,
    &Mrud3,
    &Exe,
    &Crc32,
    &Version,
    &SetLimit,
    &BiosSets,
    &SortFav,
};

std::optional<double> decodeTwips(const QString &text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // "nan" and "inf" read as numbers, but place no window.
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<quint32> decodeColour(const QString &text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 0xFFFFFF) {
        return std::nullopt;
    }
    return static_cast<quint32>(value);
}

} // namespace

struct FrontendSettings::Shared {
    explicit Shared(const QString &path) : file(path) {}
    ProfileIniFile file;
    std::function<void(const QString &)> onWriteFailure;
};

FrontendSettings::FrontendSettings(QString iniPath)
    : m_path(std::move(iniPath)), m_shared(std::make_shared<Shared>(m_path)) {}

QString FrontendSettings::read(const SettingKey &key) const {
    return m_shared->file.read(kFrontendSection, key.nameText());
}

void FrontendSettings::setWriteFailureHandler(std::function<void(const QString &)> handler) const {
    m_shared->onWriteFailure = std::move(handler);
}

QString FrontendSettings::readError() const {
    return m_shared->file.readError();
}

bool FrontendSettings::reportFailure(const QString &error) const {
    if (m_shared->onWriteFailure) {
        m_shared->onWriteFailure(QStringLiteral("Quorvex could not save its settings to %1:\n%2\n"
                                                "The settings file was left as it was.")
                                     .arg(m_path, error));
    }
    return false;
}

FrontendSettings::Batch::Batch(const FrontendSettings &settings) : m_settings(settings) {
    m_settings.m_shared->file.beginBatch();
}

FrontendSettings::Batch::~Batch() {
    QString error;
    if (!m_settings.m_shared->file.endBatch(&error)) {
        m_settings.reportFailure(error);
    }
}

std::optional<bool> FrontendSettings::DecodeBoolean(const QString &text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return number != 0.0;
}

std::optional<int> FrontendSettings::DecodeInteger(const QString &text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return number;
}

bool FrontendSettings::get(const FlagSetting &key) const {
    return DecodeBoolean(read(key)).value_or(DecodeBoolean(key.defaultText()).value_or(false));
}

bool FrontendSettings::get(const OneSetting &key) const {
    return DecodeInteger(read(key)).value_or(DecodeInteger(key.defaultText()).value_or(0)) == 1;
}

int FrontendSettings::get(const IntegerSetting &key) const {
    return DecodeInteger(read(key)).value_or(DecodeInteger(key.defaultText()).value_or(0));
}

double FrontendSettings::get(const TwipsSetting &key) const {
    return decodeTwips(read(key)).value_or(decodeTwips(key.defaultText()).value_or(0));
}

QString FrontendSettings::get(const ListSetting &key) const {
    const QString value = read(key);
    return value == kMissingSetting ? key.defaultText() : value;
}

std::optional<quint32> FrontendSettings::get(const ColourSetting &key) const {
    return decodeColour(read(key));
}

QString FrontendSettings::get(const TextSetting &key) const {
    const QString value = read(key);
    return value == kMissingSetting ? key.defaultText() : value;
}

bool FrontendSettings::write(const SettingKey &key, const QString &text) const {
    QString error;
    return m_shared->file.write(kFrontendSection, key.nameText(), text, &error) || reportFailure(error);
}

bool FrontendSettings::set(const FlagSetting &key, bool value) const {
    return write(key, value ? QStringLiteral("-1") : QStringLiteral("0"));
}

bool FrontendSettings::set(const OneSetting &key, bool value) const {
    return write(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool FrontendSettings::set(const IntegerSetting &key, qint64 value) const {
    return write(key, QString::number(value));
}

bool FrontendSettings::set(const TwipsSetting &key, qint64 value) const {
    return write(key, QString::number(value));
}

bool FrontendSettings::set(const ListSetting &key, const QString &numbers) const {
    return write(key, numbers);
}

bool FrontendSettings::set(const ColourSetting &key, std::optional<quint32> colour) const {
    return write(key, colour ? QString::number(*colour) : QString());
}

bool FrontendSettings::set(const TextSetting &key, const QString &value) const {
    return write(key, value);
}

QByteArray FrontendSettings::DefaultSettingsContent() {
    QByteArray content = "[FRONTEND]\r\n";
    for (const SettingKey *key : kKeys) {
        content += QByteArray(key->name) + '=' + QByteArray(key->defaultValue) + "\r\n";
    }
    return content;
}

bool FrontendSettings::WriteDefaultSettings(const QString &iniPath, QString *error) {
    return WriteFileAtomically(iniPath, DefaultSettingsContent(), error);
}

} // namespace qx
