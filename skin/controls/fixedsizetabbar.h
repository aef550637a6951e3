#pragma once

#include <QTabBar>

// A tab bar whose tabs may all take one fixed size instead of the size their captions ask for.
// The width runs along the caption and the height across it, whichever side the tabs stand on;
// 0 leaves that direction to the caption.
class FixedSizeTabBar : public QTabBar {
    Q_OBJECT

public:
    using QTabBar::QTabBar;

    int fixedTabWidth() const { return m_width; }
    int fixedTabHeight() const { return m_height; }
    void setFixedTabSize(int width, int height);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;

private:
    QSize fixedSize(QSize hint) const;

    int m_width = 0;
    int m_height = 0;
};
