#pragma once

#include "platform/form.h"

class TForm9 : public Form {
    Q_OBJECT

public:
    TForm9();
};

extern TForm9* Form9;
