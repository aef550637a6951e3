#pragma once

#include "platform/form.h"

class TForm14 : public Form {
    Q_OBJECT

public:
    TForm14();
};

extern TForm14* Form14;
