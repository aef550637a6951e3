#pragma once

#include <QString>
#include <stdexcept>

// Every failure the user is told about travels as this exception; its message is shown exactly as
// it stands by the default error display.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message);

    const QString& message() const { return message_; }

private:
    QString message_;
};
