#include "platform/messagebox.h"

#include "platform/applicationtitle.h"
#include "platform/metrics.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

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

// A box sized by its text alone can be narrower than its title, which the window frame then
// cuts ("Applic…n Error"). The box is made wide enough for the title in a bold caption face,
// with room for the caption's icon and buttons.
void makeRoomForTitle(QMessageBox& box)
{
    QFont captionFont = QApplication::font("QMdiSubWindowTitleBar");
    captionFont.setBold(true);
    const int wanted = QFontMetrics(captionFont).horizontalAdvance(box.windowTitle()) + 4 * metrics::captionHeight;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

MessageAnswer showRealBox(const MessageBoxRequest& request)
{
    const std::unique_ptr<QMessageBox> made = makeMessageBox(request);
    QMessageBox& box = *made;
    switch (box.exec()) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: break;
    }
    // Closing an OK/Cancel box with Esc or its close box is a Cancel; an OK box has only OK.
    return request.buttons == MessageButtons::OkCancel && box.clickedButton() == nullptr ? MessageAnswer::Cancel
                                                                                         : MessageAnswer::Ok;
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const MessageBoxRequest& request)
{
    auto box = std::make_unique<QMessageBox>(toQtIcon(request.icon), request.title, request.text);
    switch (request.buttons) {
    case MessageButtons::Ok: box->setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        break;
    }
    makeRoomForTitle(*box);
    return box;
}

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
