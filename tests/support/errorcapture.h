#pragma once

// The message of the AppError that `work` raises, or an empty string when it finishes without one.

#include <QString>

#include <functional>

QString errorMessageOf(const std::function<void()>& work);
