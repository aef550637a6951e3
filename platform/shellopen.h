#pragma once

#include <QString>
#include <functional>

// Opens a file with the application the desktop associates with it, the way the shell's default
// verb would. The path is taken as the course stores it ("Teoria\Media\a.avi") and, when relative,
// resolved against the working directory. The result is not looked at: a missing file or one
// without an associated application is the desktop's matter. No command line is ever built from
// the path, and the whole path is passed, however long.
void shellOpen(const QString& path);

// The absolute local path that shellOpen hands to the desktop.
QString shellOpenTarget(const QString& path);

// Tests put a recorder in place of the desktop; an empty handler brings the desktop back.
using ShellOpenHandler = std::function<void(const QString& path)>;
void setShellOpenHandler(ShellOpenHandler handler);
