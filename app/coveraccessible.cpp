#include "app/coveraccessible.h"

#include "app/tform1.h"
#include "platform/guarded.h"
#include "platform/pictureview.h"

CoverAccessible::CoverAccessible(QWidget* cover) : QAccessibleWidget(cover, QAccessible::Button)
{}

QStringList CoverAccessible::actionNames() const
{
    return {pressAction()};
}

void CoverAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        guarded([] { Form1->Image2MouseDown(); });
}

QAccessibleInterface* CoverAccessible::factory(const QString&, QObject* object)
{
    // Asked while the start window is still being made, before Form1 names it, so the cover is
    // known by its names.
    auto* view = qobject_cast<PictureView*>(object);
    if (view && view->objectName() == QLatin1String("Image2") && view->window()->objectName() == QLatin1String("Form1"))
        return new CoverAccessible(view);
    return nullptr;
}
