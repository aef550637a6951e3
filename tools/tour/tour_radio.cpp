#include "app/tform1.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/tsskinmanager.h"
#include "testing/tform5.h"
#include "tools/tour/tour.h"

#include <QApplication>
#include <QEnterEvent>

namespace {

void setMouseOver(QWidget* widget, bool over)
{
    if (over) {
        const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
        QEnterEvent enter(inside, widget->mapTo(widget->window(), inside), widget->mapToGlobal(inside));
        QApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
    }
    widget->update();
}

} // namespace

// The answer letters of the answering window, an answer chosen: one letter under the mouse, one
// focused, and all of them disabled as they are before a question is shown; then the same in the
// example skin.
void tourlegs::answerLetters()
{
    TsRadioGroup* letters = Form5->sRadioGroup1;
    TsGroupButton* hot = letters->buttons()[3];
    setMouseOver(hot, true);
    Tour::shoot(Form5, QStringLiteral("answering-letter-hot"));
    setMouseOver(hot, false);

    letters->buttons()[1]->setFocus();
    Tour::shoot(Form5, QStringLiteral("answering-letter-focused"));

    letters->setEnabled(false);
    Tour::shoot(Form5, QStringLiteral("answering-letters-disabled"));
    letters->setEnabled(true);

    Form1->sSkinManager1->setSkinName(QStringLiteral("Amberlight"));
    setMouseOver(hot, true);
    Tour::shoot(Form5, QStringLiteral("answering-letters-example-skin"));
    setMouseOver(hot, false);
    letters->setEnabled(false);
    Tour::shoot(Form5, QStringLiteral("answering-letters-disabled-example-skin"));
    letters->setEnabled(true);
    Form1->sSkinManager1->setSkinName(ferroluxSkinName);
}
