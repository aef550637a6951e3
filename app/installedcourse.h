#pragma once

#include <QString>

// The course of a program installed under a prefix (the executable in bin/, the course in
// share/vestoria/ beside it, whatever the prefix), or an empty text for a portable folder, which
// holds its course itself.
QString installedCourseFolder(const QString& executableFolder);

// Before the windows are made. An installed program works on the user's own copy of its course in
// `userDataFolder`, or, with a classroom server, reads its lectures from the installed course and
// the rest from the server. A portable folder is left as it always was: program folder and
// working directory. Returns false after telling the user why the course could not be prepared.
bool placeInstalledCourse(const QString& executableFolder, const QString& userDataFolder);
