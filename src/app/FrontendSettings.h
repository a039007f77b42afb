#pragma once

#include "app/SettingsKeys.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace qx {

class ProfileIniFile;

// The "[FRONTEND]" section of qx.ini, read and written key by key through the typed keys of SettingsKeys.h.
// The file is held in memory and read again only when it changed on disk (see ProfileIniFile), so a hand
// edit made while the program runs is seen; copies of a FrontendSettings share that copy. The typed readers
// decode the stored text; a key that is missing or whose text cannot be decoded falls back to its default.
class FrontendSettings {
public:
    explicit FrontendSettings(QString iniPath);

    const QString &path() const { return m_path; }

    bool get(const FlagSetting &key) const;
    bool get(const OneSetting &key) const;
    int get(const IntegerSetting &key) const;  // 0 when neither the text nor the default is a number
    double get(const TwipsSetting &key) const; // 0 likewise; "nan" and "inf" are no numbers here
    QString get(const ListSetting &key) const; // the text or the default; ColumnLayout decodes it
    std::optional<quint32> get(const ColourSetting &key) const; // nullopt: the designed colour
    QString get(const TextSetting &key) const; // the text, or the default when the key is missing

    // Each returns false when the file could not be written; the old file is then left as it was, and the
    // write failure handler is told why.
    bool set(const FlagSetting &key, bool value) const; // "-1"/"0", as the main window writes them
    bool set(const OneSetting &key, bool value) const;  // "1"/"0"
    bool set(const IntegerSetting &key, qint64 value) const;
    bool set(const TwipsSetting &key, qint64 value) const;
    bool set(const ListSetting &key, const QString &numbers) const;
    bool set(const ColourSetting &key, std::optional<quint32> colour) const; // empty when unset
    bool set(const TextSetting &key, const QString &value) const;

    // The stored text as it stands, "=" when the key is missing, and any text written as it is: for
    // keys whose missing or odd text means something of its own (crc32, an unset font size).
    QString read(const SettingKey &key) const;
    bool write(const SettingKey &key, const QString &text) const;

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
    bool reportFailure(const QString &error) const;

    QString m_path;
    std::shared_ptr<Shared> m_shared;
};

inline const QString kFrontendSection = QStringLiteral("FRONTEND");

} // namespace qx
