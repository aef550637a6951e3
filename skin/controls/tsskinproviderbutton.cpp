#include "skin/controls/tsskinproviderbutton.h"

SkinProviderButton::SkinProviderButton(QWidget* form) : QPushButton(form)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFlat(true);
    hide();
}

void SkinProviderButton::paintEvent(QPaintEvent*)
{}
