#include "teacher/tform9.h"

TForm9* Form9 = nullptr;

TForm9::TForm9() : Form(QStringLiteral("Form9"), QStringLiteral("Авторизация"), QRect(300, 200, 431, 187)) {}
