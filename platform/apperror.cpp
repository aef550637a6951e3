#include "platform/apperror.h"

AppError::AppError(const QString& message) : std::runtime_error(message.toStdString()), message_(message)
{}
