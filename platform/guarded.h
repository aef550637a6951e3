#pragma once

#include "platform/apperror.h"
#include "platform/messagebox.h"

#include <exception>
#include <utility>

// Every entry point the event loop calls runs its work through here: a failure stops the work
// at the failing step, the user reads its message, and the program goes on. No exception may
// cross into Qt.
template <typename Work>
void guarded(Work&& work)
{
    try {
        std::forward<Work>(work)();
    } catch (const AppError& error) {
        showDefaultError(error.message());
    } catch (const std::exception& error) {
        showDefaultError(QString::fromLocal8Bit(error.what()));
    }
}
