#pragma once

#include <QString>
#include <QStringList>

// The course's home on a classroom server: the eight tables of a course file, each with a row
// number of its own as its last column, and what a server shared by a whole class needs beside
// them. Every statement can be run again: publishing a course twice changes no stored result.
namespace classroomSchema {

// Names of the two roles: students take tests, the teacher edits everything.
inline const QString studentRole = QStringLiteral("vestoria_student");
inline const QString teacherRole = QStringLiteral("vestoria_teacher");

// The channel on which the server announces every result handed in.
inline const QString resultChannel = QStringLiteral("vestoria_result");

// The setting that carries each program's session, and so its own test set.
inline const QString sessionSetting = QStringLiteral("vestoria.session");

// Creates (or brings up to date) tables, views, the grading hand-in and the roles' rights. The
// roles must exist; createRoles makes them.
QStringList schemaStatements();

// Makes the two roles where they are missing.
QString createRolesStatement();

// Gives the role named by the setting "vestoria.role" the password in "vestoria.password": the
// two are set as statement parameters first, so that no password is ever part of a statement.
QString setPasswordStatement();

} // namespace classroomSchema
