#include "app/FrontendSettings.h"

#include "app/ProfileIni.h"
#include "app/ProfileIniFile.h"
#include "app/TextFile.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace qx {

namespace {

using K = SettingKind;

// The url default is filled in at run time from kDefaultSetInfoUrl; see DefaultSettingsContent.
constexpr std::array kKeys{
    SettingKey{"WindowState", "0", K::Integer},
    SettingKey{"MainHeight", "7665", K::Twips},
    SettingKey{"MainLeft", "", K::Twips},
    SettingKey{"MainTop", "", K::Twips},
    SettingKey{"MainWidth", "10500", K::Twips},
    SettingKey{"ShowHistory", "0", K::Boolean},
    SettingKey{"SplitterLeft", "onethirdwidth", K::Text},
    SettingKey{"ColumnWidths", "240,80,80,67,125,77,90", K::List},
    SettingKey{"ColumnPos", "0,1,2,3,4,5,6,7", K::List},
    SettingKey{"FullRowSelect", "1", K::ComparedWithOne},
    SettingKey{"GhostIcon", "1", K::Boolean},
    SettingKey{"mouseFocus", "0", K::Boolean},
    SettingKey{"ShowStatusBar", "-1", K::Boolean},
    SettingKey{"ViewMode", "3", K::Integer},
    SettingKey{"HideClones", "1", K::Boolean},
    SettingKey{"HideBIOS", "-1", K::Boolean},
    SettingKey{"ConfirmVerify", "1", K::ComparedWithOne},
    SettingKey{"LastSelected", "yumefuda", K::Text},
    SettingKey{"ShowA", "-1", K::Boolean},
    SettingKey{"ShowU", "-1", K::Boolean},
    SettingKey{"ShowConsole", "0", K::Integer},
    SettingKey{"KeepConsoleOpen", "0", K::Boolean},
    SettingKey{"ShowMenu", "-1", K::Boolean},
    SettingKey{"url", "", K::Text},
    SettingKey{"avi", "click", K::Text},
    SettingKey{"playavi", "0", K::Integer},
    SettingKey{"UseNotepad", "0", K::Boolean},
    SettingKey{"tray", "1", K::ComparedWithOne},
    SettingKey{"trayMin", "0", K::Boolean},
    SettingKey{"ShowToolTips", "1", K::Boolean},
    SettingKey{"FullScreenRes", "", K::Text},
    SettingKey{"UseAltRes", "0", K::Boolean},
    SettingKey{"toolbar", "-1", K::Boolean},
    SettingKey{"FontName", "Verdana", K::Text},
    SettingKey{"FontBold", "0", K::Boolean},
    SettingKey{"FontItalic", "0", K::Boolean},
    SettingKey{"FontSize", "", K::Integer},
    SettingKey{"StrikeOut", "0", K::Boolean},
    SettingKey{"Underline", "0", K::Boolean},
    SettingKey{"FontColour", "", K::Colour},
    SettingKey{"BackColour", "", K::Colour},
    SettingKey{"TreeBackColour", "", K::Colour},
    SettingKey{"sbFontName", "Verdana", K::Text},
    SettingKey{"sbFontBold", "0", K::Boolean},
    SettingKey{"sbFontItalic", "0", K::Boolean},
    SettingKey{"sbFontSize", "", K::Integer},
    SettingKey{"sbStrikeOut", "0", K::Boolean},
    SettingKey{"sbUnderline", "0", K::Boolean},
    SettingKey{"infoFontName", "Verdana", K::Text},
    SettingKey{"infoFontBold", "0", K::Boolean},
    SettingKey{"infoFontItalic", "0", K::Boolean},
    SettingKey{"infoFontSize", "", K::Integer},
    SettingKey{"infoStrikeOut", "0", K::Boolean},
    SettingKey{"infoUnderline", "0", K::Boolean},
    SettingKey{"infoBackColour", "", K::Colour},
    SettingKey{"picBackColour", "", K::Colour},
    SettingKey{"infoFontColour", "", K::Colour},
    SettingKey{"dialogueFont", "Arial", K::Text},
    SettingKey{"picture", "0", K::Boolean},
    SettingKey{"picturepath", "flyers", K::Text},
    SettingKey{"RandomSelectOnly", "0", K::Boolean},
    SettingKey{"joyselect", "0", K::Boolean},
    SettingKey{"joyid", "0", K::Integer},
    SettingKey{"checksamples", "-1", K::Boolean},
    SettingKey{"neverfastscan", "0", K::Text},
    SettingKey{"verifydialog", "1", K::Boolean},
    SettingKey{"mrud", "", K::Text},
    SettingKey{"mrud2", "", K::Text},
    SettingKey{"mrud3", "", K::Text},
    SettingKey{"exe", "", K::Text},
    SettingKey{"crc32", "", K::Text},
    SettingKey{"Version", "", K::Text},
    SettingKey{"setlimit", "", K::Integer},
    SettingKey{"biossets", "", K::Integer},
    SettingKey{"sortfav", "1", K::Boolean},
};

QString defaultText(const SettingKey &key) {
    if (qstrcmp(key.name, "url") == 0) {
        return kDefaultSetInfoUrl;
    }
    return QString::fromLatin1(key.defaultValue);
}

std::optional<QList<int>> decodeList(const QString &text, int count) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < count) {
        return std::nullopt;
    }
    QList<int> numbers;
    numbers.reserve(count);
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        const int n = parts.at(i).trimmed().toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
        numbers.append(n);
    }
    return numbers;
}

} // namespace

std::span<const SettingKey> FrontendKeyTable() {
    return kKeys;
}

const SettingKey *FindSettingKey(const QString &name) {
    for (const SettingKey &key : kKeys) {
        if (name.compare(QLatin1String(key.name), Qt::CaseInsensitive) == 0) {
            return &key;
        }
    }
    return nullptr;
}

struct FrontendSettings::Shared {
    explicit Shared(const QString &path) : file(path) {}
    ProfileIniFile file;
    std::function<void(const QString &)> onWriteFailure;
};

FrontendSettings::FrontendSettings(QString iniPath)
    : m_path(std::move(iniPath)), m_shared(std::make_shared<Shared>(m_path)) {}

QString FrontendSettings::read(const QString &key) const {
    return m_shared->file.read(kFrontendSection, key);
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

QString FrontendSettings::defaultOf(const QString &key) const {
    const SettingKey *entry = FindSettingKey(key);
    return entry ? defaultText(*entry) : QString();
}

QString FrontendSettings::text(const QString &key) const {
    const QString value = read(key);
    return value == kMissingSetting ? defaultOf(key) : value;
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

bool FrontendSettings::flag(const QString &key) const {
    if (const auto value = DecodeBoolean(read(key))) {
        return *value;
    }
    return DecodeBoolean(defaultOf(key)).value_or(false);
}

bool FrontendSettings::isOne(const QString &key) const {
    if (const auto value = DecodeInteger(read(key))) {
        return *value == 1;
    }
    return DecodeInteger(defaultOf(key)).value_or(0) == 1;
}

int FrontendSettings::integer(const QString &key) const {
    if (const auto value = DecodeInteger(read(key))) {
        return *value;
    }
    return DecodeInteger(defaultOf(key)).value_or(0);
}

std::optional<double> FrontendSettings::twips(const QString &key) const {
    for (const QString &candidate : {read(key), defaultOf(key)}) {
        bool ok = false;
        const double value = candidate.trimmed().toDouble(&ok);
        if (ok && std::isfinite(value)) { // "nan" and "inf" read as numbers, but place no window
            return value;
        }
    }
    return std::nullopt;
}

QList<int> FrontendSettings::list(const QString &key, int count) const {
    if (const auto numbers = decodeList(read(key), count)) {
        return *numbers;
    }
    return decodeList(defaultOf(key), count).value_or(QList<int>(count, 0));
}

std::optional<quint32> FrontendSettings::colour(const QString &key) const {
    bool ok = false;
    const qint64 value = read(key).trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 0xFFFFFF) {
        return std::nullopt;
    }
    return static_cast<quint32>(value);
}

bool FrontendSettings::write(const QString &key, const QString &value) const {
    QString error;
    return m_shared->file.write(kFrontendSection, key, value, &error) || reportFailure(error);
}

bool FrontendSettings::writeFlag(const QString &key, bool value) const {
    return write(key, value ? QStringLiteral("-1") : QStringLiteral("0"));
}

bool FrontendSettings::writeNumber(const QString &key, qint64 value) const {
    return write(key, QString::number(value));
}

QByteArray FrontendSettings::DefaultSettingsContent() {
    QByteArray content = "[FRONTEND]\r\n";
    for (const SettingKey &key : kKeys) {
        content += QByteArray(key.name) + '=' + defaultText(key).toUtf8() + "\r\n";
    }
    return content;
}

bool FrontendSettings::WriteDefaultSettings(const QString &iniPath, QString *error) {
    return WriteFileAtomically(iniPath, DefaultSettingsContent(), error);
}

} // namespace qx
