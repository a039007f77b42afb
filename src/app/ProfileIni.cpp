#include "app/ProfileIni.h"

#include "app/ProfileIniFile.h"

namespace qx {

QString ReadSetting(const QString &section, const QString &key, const QString &file) {
    return ProfileIniFile(file).read(section, key);
}

QString WriteSetting(const QString &section, const QString &key, const QString &value, const QString &file) {
    return ProfileIniFile(file).write(section, key, value) ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace qx
