#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;

enum class MessageIcon { None, Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Every message box of the program goes through here, so that tests can answer the boxes
// themselves and see what the user would have read.
using MessageBoxHandler = std::function<MessageAnswer(const MessageBoxRequest&)>;

MessageAnswer showMessageBox(const MessageBoxRequest& request);

// The real box for a request, wide enough for its title; showMessageBox runs it when no handler
// answers.
std::unique_ptr<QMessageBox> makeMessageBox(const MessageBoxRequest& request);

// An empty handler brings back the real message boxes.
void setMessageBoxHandler(MessageBoxHandler handler);

// The default error display: titled with the application title, error icon, OK button.
void showDefaultError(const QString& message);

// A message whose last character sorts after "." gets a full stop added.
QString withFullStop(const QString& message);
