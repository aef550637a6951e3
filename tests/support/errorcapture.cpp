#include "tests/support/errorcapture.h"

#include "platform/apperror.h"

QString errorMessageOf(const std::function<void()>& work)
{
    try {
        work();
    } catch (const AppError& error) {
        return error.message();
    }
    return {};
}
