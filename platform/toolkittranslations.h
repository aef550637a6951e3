#pragma once

#include <QLibraryInfo>
#include <QString>

// Makes the toolkit's own dialogs (files, printing, colours) and its standard buttons speak the
// interface's language, Russian, from Qt's translation file `qtbase_ru.qm` in `folder`. Without
// that file they stay in English and nothing else changes. A second call changes nothing.
// Returns whether the translations are in force.
bool installToolkitTranslations(const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
