#pragma once

#include "platform/form.h"

class PictureView;
class TsSkinManager;
class TsSkinProvider;

// The start window: the cover picture of the textbook. A press on it opens the main window;
// closing it closes the course database and ends the program.
class TForm1 : public Form {
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    PictureView* Image2;
    // The program-wide skin manager; it lives on the start window so that the skin is active
    // before any other window exists.
    TsSkinManager* sSkinManager1;

    void Image2MouseDown();
    void FormClose();

    TsSkinProvider* sSkinProvider1;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TForm1* Form1;
