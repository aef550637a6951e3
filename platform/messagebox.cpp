#include "platform/messagebox.h"

#include "platform/applicationtitle.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageBoxHandler& currentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer showRealBox(const MessageBoxRequest& request)
{
    QMessageBox box(toQtIcon(request.icon), request.title, request.text);
    switch (request.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: break;
    }
    // Closing an OK/Cancel box with Esc or its close box is a Cancel; an OK box has only OK.
    return request.buttons == MessageButtons::OkCancel && box.clickedButton() == nullptr
        ? MessageAnswer::Cancel
        : MessageAnswer::Ok;
}

} // namespace

MessageAnswer showMessageBox(const MessageBoxRequest& request)
{
    if (currentHandler())
        return currentHandler()(request);
    return showRealBox(request);
}

void setMessageBoxHandler(MessageBoxHandler handler)
{
    currentHandler() = std::move(handler);
}

QString withFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

void showDefaultError(const QString& message)
{
    showMessageBox({applicationTitle(), withFullStop(message), MessageIcon::Error, MessageButtons::Ok});
}
