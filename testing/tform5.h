#pragma once

#include "platform/form.h"

class TForm5 : public Form {
    Q_OBJECT

public:
    TForm5();
};

extern TForm5* Form5;
