#pragma once

#include "platform/form.h"

class TForm4 : public Form {
    Q_OBJECT

public:
    TForm4();
};

extern TForm4* Form4;
