#include "app/installedcourse.h"

#include "app/usercourse.h"
#include "data/tdatamodule2.h"
#include "platform/apperror.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString installedCourseFolder(const QString& executableFolder)
{
    const QDir executable(executableFolder);
    if (QFileInfo(executable.filePath(QStringLiteral("Teoria"))).isDir())
        return {};
    const QString installed = QDir::cleanPath(executable.filePath(QStringLiteral(VESTORIA_INSTALLED_COURSE)));
    return QFileInfo(QDir(installed).filePath(QString::fromLatin1(TDataModule2::databaseFileName))).isFile()
               ? installed
               : QString();
}

bool placeInstalledCourse(const QString& executableFolder, const QString& userDataFolder)
{
    const QString installed = installedCourseFolder(executableFolder);
    if (installed.isEmpty())
        return true;
    QString course = installed;
    if (TDataModule2::classroomServer().isEmpty()) {
        try {
            course = UserCourse(installed, userDataFolder, QCoreApplication::applicationVersion()).prepare();
        } catch (const AppError& error) {
            showMessageBox({QStringLiteral("Application Error"), withFullStop(error.message()), MessageIcon::Error,
                            MessageButtons::Ok});
            return false;
        }
    }
    setProgramFolderOverride(course);
    QDir::setCurrent(course);
    return true;
}
