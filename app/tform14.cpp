#include "app/tform14.h"

TForm14* Form14 = nullptr;

TForm14::TForm14() : Form(QStringLiteral("Form14"), QStringLiteral("Фотографии"), QRect(190, 35, 775, 535)) {}
