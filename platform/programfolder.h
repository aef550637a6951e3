#pragma once

#include <QString>

// The folder of the running executable, with its trailing separator. It is worked out afresh on
// each call; tests point it at a temporary course instead.
QString programFolder();
void setProgramFolderOverride(const QString& folder);

// Course paths are written Windows-style ("Teoria\foto\a.jpg"), as course databases made on
// Windows hold them; this turns one into a path the local file system understands.
QString nativePath(const QString& path);
