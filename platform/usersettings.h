#pragma once

#include <QString>
#include <memory>

class QSettings;
class QVariant;

// The user's own settings (zoom, reading places, ...), kept in the user's configuration folder,
// never beside the program, which may be read-only or shared by a whole classroom.
std::unique_ptr<QSettings> userSettings();

// Stores one of them at once. Settings that cannot be written (a read-only configuration folder)
// are told once a run instead of being dropped without a word.
void storeUserSetting(const QString& key, const QVariant& value);

// The folder that holds them, for caches that belong beside them.
QString userSettingsFolder();
