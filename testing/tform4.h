#pragma once

#include "platform/form.h"

class TsButton;
class TsEdit;
class TsLabel;

class TForm4 : public Form {
    Q_OBJECT

public:
    TForm4();

    TsLabel* Label1;
    TsEdit* Edit1;
    TsButton* sButton1;
};

extern TForm4* Form4;
