#pragma once

#include <QString>

// Where the program's built-in pictures are found among its Qt resources.
namespace resources {
QString coverPicture();
} // namespace resources
