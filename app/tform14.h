#pragma once

#include "platform/form.h"

#include <QIcon>
#include <QList>

class PictureView;
class TsSkinProvider;
class TsTreeView;

// The photo window: the photo topics on the left, the chosen photo at its own size on the right.
class TForm14 : public Form {
    Q_OBJECT

public:
    TForm14();

    TsTreeView* TreeView1 = nullptr;
    PictureView* Image1 = nullptr;
    QList<QIcon> ImageList1;

    // The main menu's "Фото": shows the window with the topics listed afresh.
    void showWithFreshTree();

    void TreeView1Click();

    TsSkinProvider* sSkinProvider1 = nullptr;

protected:
    void createControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TForm14* Form14;
