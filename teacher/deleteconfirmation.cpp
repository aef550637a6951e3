#include "teacher/deleteconfirmation.h"

#include "platform/messagebox.h"

bool confirmRecordDelete()
{
    return showMessageBox({QStringLiteral("Confirm"), QStringLiteral("Delete record?"), MessageIcon::Question,
                           MessageButtons::OkCancel})
           != MessageAnswer::Cancel;
}
