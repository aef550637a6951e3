#include "resources/resourcepaths.h"

namespace resources {
QString coverPicture()
{
    return QStringLiteral(":/cover.jpg");
}
} // namespace resources
