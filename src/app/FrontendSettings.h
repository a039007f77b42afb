#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace qx {

// How a key's text is decoded.
enum class SettingKind {
    Boolean,         // "0"/"False" false; any other number or "True" true
    ComparedWithOne, // true only for the value 1
    Integer,
    Twips,
    List,   // numbers joined by ","
    Colour, // platform colour number (blue, green, red bytes); empty = the control's designed colour
    Text,
};

struct SettingKey {
    const char *name;
    const char *defaultValue;
    SettingKind kind;
};

// Every key of the default settings file, in the order the file lists them.
std::span<const SettingKey> FrontendKeyTable();
const SettingKey *FindSettingKey(const QString &name);

// The address prefix of the online set-information page; the set name is appended to it.
inline const QString kDefaultSetInfoUrl =
    QStringLiteral("https://adb.arcadeitalia.net/dettaglio_mame.php?game_name=");

class ProfileIniFile;

// The "[FRONTEND]" section of qx.ini, read and written key by key. The file is held in memory and read
// again only when it changed on disk (see ProfileIniFile), so a hand edit made while the program runs is
// seen; copies of a FrontendSettings share that copy. The typed readers decode the stored text; a key that
// is missing or whose text cannot be decoded falls back to the default of the key table.
class FrontendSettings {
public:
    explicit FrontendSettings(QString iniPath);

    const QString &path() const { return m_path; }

    // The stored text; "=" when the key is missing.
    QString read(const QString &key) const;
    // The stored text, or the key's default when the key is missing.
    QString text(const QString &key) const;
    bool flag(const QString &key) const;
    bool isOne(const QString &key) const;
    int integer(const QString &key) const;
    std::optional<double> twips(const QString &key) const;
    // Exactly `count` numbers: the stored list when it has at least that many numbers, else the default.
    QList<int> list(const QString &key, int count) const;
    std::optional<quint32> colour(const QString &key) const;

    // Returns false when the file could not be written; the old file is then left as it was, and the write
    // failure handler is told why.
    bool write(const QString &key, const QString &value) const;
    bool writeFlag(const QString &key, bool value) const; // "-1"/"0", as the main window writes them
    bool writeNumber(const QString &key, qint64 value) const;

    // Called with a message for the user each time a write fails (the window shows the first one).
    void setWriteFailureHandler(std::function<void(const QString &message)> handler) const;
    // Why qx.ini could not be read (no permission, not a regular file); empty when it was, or is missing.
    QString readError() const;

    // The writes made while a Batch lives reach the file together, once, when it ends (closing the window
    // writes a dozen keys).
    class Batch {
    public:
        explicit Batch(const FrontendSettings &settings);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        const FrontendSettings &m_settings;
    };

    // Writes the complete default file anew (CR LF, every key in table order).
    static bool WriteDefaultSettings(const QString &iniPath, QString *error = nullptr);
    static QByteArray DefaultSettingsContent();

    // The decoders, shared with code that holds a value rather than a key.
    static std::optional<bool> DecodeBoolean(const QString &text);
    static std::optional<int> DecodeInteger(const QString &text);

private:
    struct Shared;
    QString defaultOf(const QString &key) const;
    bool reportFailure(const QString &error) const;

    QString m_path;
    std::shared_ptr<Shared> m_shared;
};

inline const QString kFrontendSection = QStringLiteral("FRONTEND");

} // namespace qx
