#pragma once

#include <QString>

namespace qx {

// Settings files in the classic profile-INI form: "[SECTION]" lines followed by "key=value" lines.
// Section and key names compare case-insensitively. A missing key reads back as "=", so callers can tell
// "absent" from "empty"; a value longer than 254 characters is cut, as the settings format always did.
// A write replaces the key's line, or adds the key (and its section) and keeps every other line byte for
// byte; the file is replaced atomically, so a failed write leaves the old file. Each call reads the file
// anew; a program that reads or writes many keys keeps a ProfileIniFile instead.

inline constexpr int kMaxSettingLength = 254;
inline const QString kMissingSetting = QStringLiteral("=");

QString ReadSetting(const QString &section, const QString &key, const QString &file);

// Returns "1" when the file was written and "0" when it could not be (the classic call's result).
QString WriteSetting(const QString &section, const QString &key, const QString &value, const QString &file);

} // namespace qx
