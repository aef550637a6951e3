#pragma once

// The style the menu skinner gives every menu it skins: menu items are sized and drawn by the
// skinner while a skin can be painted, everything else (and every item while it cannot) by the
// application's style. Menu behaviour stays Qt's own.

#include <QProxyStyle>

class TsSkinableMenus;

class MenuStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit MenuStyle(TsSkinableMenus& skinner);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

private:
    TsSkinableMenus& m_skinner;
};
