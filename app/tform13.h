#pragma once

#include "platform/form.h"

class TForm13 : public Form {
    Q_OBJECT

public:
    TForm13();
};

extern TForm13* Form13;
