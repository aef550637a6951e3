#include "platform/applicationtitle.h"

#include <QCoreApplication>
#include <QFileInfo>

QString titleFromExecutableName(const QString& fileName)
{
    const QString stem = fileName.section(u'.', 0, 0);
    if (stem.isEmpty())
        return stem;
    return stem.left(1).toUpper() + stem.mid(1).toLower();
}

QString applicationTitle()
{
    return titleFromExecutableName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}
