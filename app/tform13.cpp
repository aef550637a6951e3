#include "app/tform13.h"

TForm13* Form13 = nullptr;

TForm13::TForm13() : Form(QStringLiteral("Form13"), QStringLiteral("Мультимедиа"), QRect(223, 137, 430, 339)) {}
