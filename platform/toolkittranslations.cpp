#include "platform/toolkittranslations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {
const QString translatorName = QStringLiteral("toolkitTranslations");
}

bool installToolkitTranslations(const QString& folder)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application->findChild<QTranslator*>(translatorName, Qt::FindDirectChildrenOnly))
        return true;
    auto* translator = new QTranslator(application);
    translator->setObjectName(translatorName);
    if (!translator->load(QStringLiteral("qtbase_ru"), folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}
