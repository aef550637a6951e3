#include "testing/tform4.h"

TForm4* Form4 = nullptr;

TForm4::TForm4() : Form(QStringLiteral("Form4"), QStringLiteral("Регистрация"), QRect(300, 250, 581, 109)) {}
