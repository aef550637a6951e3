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

    TsPanel* Panel1 = nullptr;
    TsLabel* Label1 = nullptr;
    TsLabel* Label2 = nullptr;
    TsEdit* Edit1 = nullptr;
    TsLabel* Label3 = nullptr;
    TsEdit* Edit2 = nullptr;
    TsButton* sButton1 = nullptr;

    void sButton1Click();

    TsSkinProvider* sSkinProvider1 = nullptr;

protected:
    void createControls() override;

private:
    static bool teacherAccepted(const QString& typed);
};

extern TForm9* Form9;
