#include "skin/controls/framelayout.h"

#include "skin/core/tscommondata.h"

#include "platform/metrics.h"

#include <QLayout>
#include <QMenuBar>
#include <QWidget>

namespace {

constexpr QSize missingButtonSize{21, 21};
constexpr int buttonGap = 1;          // between title buttons
constexpr int smallButtonDrop = 2;    // buttons lower than 16 pixels sit this much lower
constexpr int captionIconGap = 4;     // from the frame to the icon or caption
constexpr int captionButtonsGap = 16; // from the caption to the first title button
constexpr int userButtonFirstSlot = 4;

// The title icon's side for a title of a given height: the largest of the usual icon sizes that
// leaves a title bar of that height some room; a title lower than the smallest shows none.
struct IconStep {
    int tallestTitle;
    int iconSide;
};
constexpr int lowestTitleWithIcon = 9;
constexpr std::array iconSteps{IconStep{16, 8}, IconStep{24, 16}, IconStep{32, 24}};
constexpr int largestIconSide = 32;

int titleButtonHit(TitleButton button)
{
    switch (button) {
    case TitleButton::Close: return HTCLOSE;
    case TitleButton::Maximize: return HTMAXBUTTON;
    case TitleButton::Minimize: return HTMINBUTTON;
    case TitleButton::Help: return HTHELP;
    }
    return HTNOWHERE;
}

} // namespace

FrameLayout::FrameLayout(const QWidget* form, const TsCommonData& skin) : m_form(form), m_skin(skin)
{}

void FrameLayout::lookUpButtonMasks(int section, const QString& name)
{
    const char* masks[titleButtonCount] = {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONHELP"};
    for (int index = 0; index < titleButtonCount; ++index)
        m_buttonMasks[index] = section >= 0 ? m_skin.skin().FindMask(section, name, QLatin1String(masks[index])) : -1;
}

int FrameLayout::frameWidth() const
{
    return metrics::frameWidth;
}

int FrameLayout::titleHeight() const
{
    return metrics::captionHeight;
}

QSize FrameLayout::buttonSize() const
{
    const int close = m_buttonMasks[int(TitleButton::Close)];
    return m_skin.skin().isValidMaskIndex(close) ? m_skin.skin().stateImageSize(close) : missingButtonSize;
}

int FrameLayout::iconSize() const
{
    const int title = titleHeight();
    if (m_titleIcon.Width)
        return m_titleIcon.Width;
    if (title < lowestTitleWithIcon)
        return 0;
    for (const IconStep& step : iconSteps)
        if (title <= step.tallestTitle)
            return step.iconSide;
    return largestIconSide;
}

bool FrameLayout::iconShown() const
{
    return m_showAppIcon && (m_borderIcons & biSystemMenu);
}

bool FrameLayout::titleButtonShown(TitleButton button) const
{
    if (!(m_borderIcons & biSystemMenu) || !m_skin.skin().isValidMaskIndex(m_buttonMasks[int(button)]))
        return false;
    switch (button) {
    case TitleButton::Close: return true;
    case TitleButton::Maximize:
    case TitleButton::Minimize: return m_borderIcons & (biMinimize | biMaximize);
    case TitleButton::Help: return m_borderIcons & biHelp;
    }
    return false;
}

bool FrameLayout::buttonEnabled(TitleButton button) const
{
    switch (button) {
    case TitleButton::Maximize: return m_borderIcons & biMaximize;
    case TitleButton::Minimize: return m_borderIcons & biMinimize;
    default: return true;
    }
}

int FrameLayout::shownButtonCount() const
{
    int count = 0;
    for (int index = 0; index < titleButtonCount; ++index)
        count += titleButtonShown(TitleButton(index)) ? 1 : 0;
    return count;
}

int FrameLayout::buttonSlot(TitleButton button) const
{
    const bool middle = titleButtonShown(TitleButton::Maximize);
    switch (button) {
    case TitleButton::Close: return 0;
    case TitleButton::Maximize: return 1;
    case TitleButton::Minimize: return 2;
    case TitleButton::Help: return middle ? 3 : 1;
    }
    return 0;
}

QRect FrameLayout::slotRect(int slot) const
{
    const QSize size = buttonSize();
    const int top = (frameWidth() + titleHeight() - size.height()) / 2 + (size.height() < 16 ? smallButtonDrop : 0);
    const int right = m_form->width() - frameWidth() - size.width() - buttonGap;
    return QRect(right - slot * (size.width() + buttonGap), top, size.width(), size.height());
}

QRect FrameLayout::titleButtonRect(TitleButton button) const
{
    return slotRect(buttonSlot(button));
}

void FrameLayout::placeUserButtons()
{
    const int iconRight = iconShown() ? frameWidth() + iconSize() : 0;
    for (int index = 0; index < m_titleButtons.size(); ++index) {
        const QRect rect = slotRect(userButtonFirstSlot + index);
        m_titleButtons[index].rect = rect.left() < iconRight ? QRect() : rect;
    }
}

QRect FrameLayout::captionRect(int width) const
{
    const int step = buttonSize().width() + buttonGap;
    const int left = frameWidth() + captionIconGap + (iconShown() ? iconSize() : 0);
    const int right = m_titleButtons.isEmpty()
                          ? width - shownButtonCount() * step - captionButtonsGap
                          : width - (int(m_titleButtons.size()) + userButtonFirstSlot) * step - captionButtonsGap;
    if (right <= left)
        return QRect();
    return QRect(left, frameWidth(), right - left, titleHeight() - frameWidth());
}

int FrameLayout::hitTest(QPoint p, const QRect& grip) const
{
    const int width = m_form->width();
    const int height = m_form->height();
    const int x = frameWidth();
    const int y = frameWidth();
    const QRect band = slotRect(0);
    if (p.y() >= band.top() && p.y() <= band.bottom() + 1) {
        for (int index = 0; index < titleButtonCount; ++index) {
            const auto button = TitleButton(index);
            const QRect rect = titleButtonRect(button);
            if (titleButtonShown(button) && p.x() >= rect.left() && p.x() <= rect.right())
                return buttonEnabled(button) ? titleButtonHit(button) : HTCAPTION;
        }
        if (iconShown() && p.x() >= x && p.x() <= x + iconSize())
            return HTSYSMENU;
        for (int index = 0; index < m_titleButtons.size(); ++index) {
            const TsTitleButton& button = m_titleButtons[index];
            const QRect rect = slotRect(userButtonFirstSlot + index);
            if (!button.rect.isNull() && p.x() >= rect.left() && p.x() <= rect.right())
                return button.Enabled ? firstUserButtonHit + index : HTCAPTION;
        }
        return HTCAPTION;
    }
    if (grip.contains(p))
        return HTBOTTOMRIGHT;
    if (m_form->isMaximized())
        return QRect(2, 2, width - 4, height - 4).contains(p) ? (p.y() < y + titleHeight() ? HTCAPTION : HTCLIENT)
                                                              : HTERROR;
    // A corner reaches along its edges as far as the title is high.
    const int reach = titleHeight();
    const bool left = p.x() < x;
    const bool right = p.x() >= width - x;
    const bool top = p.y() < y;
    const bool bottom = p.y() >= height - y;
    const bool nearLeft = p.x() < reach;
    const bool nearRight = p.x() >= width - reach;
    const bool nearTop = p.y() < reach;
    const bool nearBottom = p.y() >= height - reach;
    if ((top && nearLeft) || (left && nearTop))
        return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop))
        return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom))
        return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom))
        return HTBOTTOMRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    if (top)
        return HTTOP;
    if (bottom)
        return HTBOTTOM;
    if (p.y() < y + titleHeight())
        return HTCAPTION;
    return HTCLIENT;
}

QMenuBar* FrameLayout::menuBar() const
{
    return m_form->layout() ? qobject_cast<QMenuBar*>(m_form->layout()->menuBar()) : nullptr;
}
