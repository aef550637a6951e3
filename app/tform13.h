#pragma once

#include "platform/form.h"

class TsButton;
class TsEdit;
class TsLabel;
class TsListBox;
class TsSkinProvider;

// The multimedia window: the titles of the media items, opening one with the desktop's
// application, and adding an item.
class TForm13 : public Form {
    Q_OBJECT

public:
    TForm13();

    TsListBox* sListBox1 = nullptr;
    TsButton* sButton1 = nullptr; // Запустить
    TsLabel* sLabel1 = nullptr;
    TsEdit* sEdit2 = nullptr;
    TsLabel* sLabel2 = nullptr;
    TsEdit* sEdit3 = nullptr;
    TsButton* sButton2 = nullptr; // Добавить
    TsEdit* sEdit1 = nullptr;     // hidden: carries the title of the item being opened

    // The main menu's "Мультимедиа": shows the window and lists the items afresh.
    void showWithFreshList();

    void sButton1Click();
    void sButton2Click();

    TsSkinProvider* sSkinProvider1 = nullptr;
    TsSkinProvider* sSkinProvider2 = nullptr;

private:
    // Adds every title of media to the list, in stored order, from its first record.
    void fillList();

protected:
    void createControls() override;
};

extern TForm13* Form13;
