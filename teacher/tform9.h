#pragma once

#include "platform/form.h"

class TsButton;
class TsEdit;
class TsLabel;
class TsPanel;
class TsSkinProvider;

// The login window in front of the material editor. The main window resets it (error line
// hidden, both boxes empty) each time it opens it.
class TForm9 : public Form {
    Q_OBJECT

public:
    TForm9();

    // The one teacher account, fixed in the program.
    static const QString login;
    static const QString password;

    TsPanel* Panel1;
    TsLabel* Label1;
    TsLabel* Label2;
    TsEdit* Edit1;
    TsLabel* Label3;
    TsEdit* Edit2;
    TsButton* sButton1;

    void sButton1Click();

    TsSkinProvider* sSkinProvider1;
};

extern TForm9* Form9;
