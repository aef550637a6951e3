#pragma once

#include "platform/form.h"

class TsButton;
class TsLabel;
class TsMemo;
class TsRadioGroup;
class TsSkinProvider;
class TsTreeView;
struct DeliveredHandIn;

// The answering window: the positions of the test set, the question of the chosen position and
// the five answer letters.
class TForm5 : public Form {
    Q_OBJECT

public:
    TForm5();

    TsTreeView* sTreeView1 = nullptr;
    TsLabel* Label1 = nullptr;
    TsMemo* sMemo1 = nullptr;
    TsRadioGroup* sRadioGroup1 = nullptr;
    TsButton* sButton1 = nullptr;

    // Shows the question of the chosen position and the answer already given to it.
    void sTreeView1Change();
    // Stores the chosen letter as the answer of the position shown.
    void RadioGroup1Click();
    // Hands the test in: grades it, shows the result and stores it.
    void sButton1Click();

    TsSkinProvider* sSkinProvider1 = nullptr;

    // What the student is told when the classroom server goes away and comes back.
    static const QString answersKeptMessage;
    static const QString handInQueuedMessage;
    static const QString handInDeliveredMessage; // %1 the name, %2 the letter grade
    static const QString handInRefusedMessage;   // %1 the name, %2 the server's reason
    static const QString offlineCaption;

protected:
    void createControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handInToServer(const QString& name);
    void storeAnswerOnServer(const QString& letter);
    void showServerReachable(bool reachable);
    void showDelivered(const DeliveredHandIn& handIn);
    void arrange(const QSize& area);
    void showPosition(const QString& position);
    // Puts the list's mark back on the position shown, without showing anything anew.
    void markShownEntry();

    QString shownPosition_; // empty while no position is shown
    int shownAnswer_ = -1;  // the letter the shown position holds
    bool toldOffline_ = false;
    QString queuedSession_; // the hand-in the result window waits for
};

extern TForm5* Form5;
