#pragma once

#include <QString>
#include <memory>

class QSettings;

// The user's own settings (zoom, reading places, ...), kept in the user's configuration folder,
// never beside the program, which may be read-only or shared by a whole classroom.
std::unique_ptr<QSettings> userSettings();

// The folder that holds them, for caches that belong beside them.
QString userSettingsFolder();
