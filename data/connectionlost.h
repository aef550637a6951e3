#pragma once

#include "platform/apperror.h"

// The classroom server cannot be reached, or its connection broke while a statement ran: what
// was asked may or may not have been done there. Anything else the server refuses is a plain
// AppError.
class ConnectionLost : public AppError {
public:
    using AppError::AppError;
};
