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

    TsListBox* sListBox1;
    TsButton* sButton1; // Запустить
    TsLabel* sLabel1;
    TsEdit* sEdit2;
    TsLabel* sLabel2;
    TsEdit* sEdit3;
    TsButton* sButton2; // Добавить
    TsEdit* sEdit1;     // hidden: carries the title of the item being opened

    // The main menu's "Мультимедиа": shows the window and lists the items afresh.
    void showWithFreshList();

    void sButton1Click();
    void sButton2Click();

    TsSkinProvider* sSkinProvider1;
    TsSkinProvider* sSkinProvider2;

private:
    // Adds every title of media to the list, in stored order, from its first record.
    void fillList();
};

extern TForm13* Form13;
