#include "platform/usersettings.h"

#include "platform/applicationtitle.h"
#include "platform/messagebox.h"

#include <QDir>
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

void storeUserSetting(const QString& key, const QVariant& value)
{
    const std::unique_ptr<QSettings> settings = userSettings();
    settings->setValue(key, value);
    settings->sync();
    static bool told = false;
    if (told || settings->status() == QSettings::NoError)
        return;
    told = true;
    showMessageBox({applicationTitle(),
                    QStringLiteral("Настройки программы не удаётся сохранить в файле %1: масштаб текста, места "
                                   "чтения и последние темы не будут запомнены до следующего запуска.")
                        .arg(QDir::toNativeSeparators(settings->fileName())),
                    MessageIcon::Warning});
}
