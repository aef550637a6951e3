#include "testing/tform5.h"

TForm5* Form5 = nullptr;

TForm5::TForm5() : Form(QStringLiteral("Form5"), QStringLiteral("Тестирование"), QRect(150, 100, 714, 508)) {}
