#include "teacher/tform10.h"

TForm10* Form10 = nullptr;

TForm10::TForm10() : Form(QStringLiteral("Form10"), QStringLiteral("Редактирование материала"), QRect(20, 20, 986, 675)) {}
