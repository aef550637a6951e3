#include "testing/tform6.h"

TForm6* Form6 = nullptr;

TForm6::TForm6() : Form(QStringLiteral("Form6"), QStringLiteral("Результаты тестирования"), QRect(300, 200, 491, 222)) {}
