#pragma once

#include "platform/form.h"

class TForm6 : public Form {
    Q_OBJECT

public:
    TForm6();
};

extern TForm6* Form6;
