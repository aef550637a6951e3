#pragma once

#include "platform/form.h"

class TForm10 : public Form {
    Q_OBJECT

public:
    TForm10();
};

extern TForm10* Form10;
