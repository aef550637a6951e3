#include "platform/usersettings.h"

#include <QFileInfo>
#include <QSettings>

std::unique_ptr<QSettings> userSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vestoria"),
                                       QStringLiteral("Vestoria"));
}

QString userSettingsFolder()
{
    return QFileInfo(userSettings()->fileName()).absolutePath();
}
