#include "skin/core/skinbroadcast.h"

#include "skin/core/skinmessage.h"

#include "platform/form.h"

#include <QPointer>
#include <QWidget>

#include <exception>

namespace {

// Qt controls have no window of their own: they handle messages whether or not anything was ever
// shown, and are drawn into their form's window. So the window made is the form's, for forms never
// shown yet; it is made after delivery, because the form's frame provider decides the window's
// flags on hearing of the skin, and flags changed on an existing window make it anew.
void ensureWindowCreated(Form* form)
{
    if (!form->testAttribute(Qt::WA_WState_Created))
        form->winId();
}

void deliverToForm(Form* form, unsigned message, QObject* manager)
{
    const intptr_t lParam = toLParam(manager);
    if (message == SKM_REPAINT)
        sendSkinMessage(form, message, 0, lParam);
    // Everything the form owns, parents before their children, each in creation order.
    QList<QPointer<QObject>> owned;
    for (QObject* object : form->findChildren<QObject*>())
        owned.append(object);
    for (const QPointer<QObject>& object : owned) {
        if (!object)
            continue;
        if (object->inherits("TsSkinProvider")) {
            if (message != SKM_REPAINT)
                sendSkinMessage(object, message, 0, lParam);
        } else if (object->isWidgetType()) {
            sendSkinMessage(object, message, 0, lParam);
        }
    }
    ensureWindowCreated(form);
}

} // namespace

void deliverToAllForms(unsigned message, QObject* manager)
{
    // A handler may create or destroy forms; walk a snapshot and skip the ones gone meanwhile.
    const QList<Form*> forms = Form::all();
    for (Form* form : forms) {
        if (!Form::all().contains(form))
            continue;
        try {
            deliverToForm(form, message, manager);
        } catch (const std::exception&) {
            // One form's failure must not keep the others on the old skin.
        }
    }
}
