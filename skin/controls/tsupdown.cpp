#include "skin/controls/tsupdown.h"

#include "skin/core/paintdisabled.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"
#include "skin/core/stateimage.h"

#include "platform/metrics.h"
#include "skin/controls/scrollbarmetrics.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

TsUpDown::TsUpDown(QWidget* parent) : Skinned(parent)
{
    setOrientation(Qt::Horizontal);
    setRange(0, 0);
    setSingleStep(1);
    setPageStep(1);
    resize(2 * metrics::scrollArrowSize, metrics::scrollArrowSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractSlider::rangeChanged, this, qOverload<>(&QWidget::update));
    connect(this, &QAbstractSlider::valueChanged, this, qOverload<>(&QWidget::update));
}

void TsUpDown::setDisabledKind(TsDisabledKind kind)
{
    m_disabledKind = kind;
    update();
}

void TsUpDown::setShowInaccessibility(bool show)
{
    m_showInaccessibility = show;
    update();
}

QRect TsUpDown::halfRect(Half half) const
{
    if (half == NoHalf)
        return {};
    if (orientation() == Qt::Horizontal) {
        const int first = width() / 2;
        return half == FirstHalf ? QRect(0, 0, first, height()) : QRect(first, 0, width() - first, height());
    }
    const int first = height() / 2;
    return half == FirstHalf ? QRect(0, 0, width(), first) : QRect(0, first, width(), height() - first);
}

TsUpDown::Half TsUpDown::halfAt(QPoint point) const
{
    for (Half half : {FirstHalf, SecondHalf})
        if (halfRect(half).contains(point))
            return half;
    return NoHalf;
}

// Left and bottom step down, right and top step up.
bool TsUpDown::halfCanStep(Half half) const
{
    const bool up = (half == SecondHalf) == (orientation() == Qt::Horizontal);
    return up ? value() < maximum() : value() > minimum();
}

void TsUpDown::setStates(ControlState first, ControlState second)
{
    if (m_states[FirstHalf] == first && m_states[SecondHalf] == second)
        return;
    m_states[FirstHalf] = first;
    m_states[SecondHalf] = second;
    update();
}

bool TsUpDown::skinActive() const
{
    const TsCommonIndexes& common = SkinData.skin().commonIndexes;
    const TsScrollPartIndexes& first = orientation() == Qt::Horizontal ? common.scrollBtnLeft : common.scrollBtnTop;
    return skinData().ready && first.section >= 0;
}

void TsUpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    const Half half = halfAt(event->position().toPoint());
    if (half == NoHalf)
        return;
    setStates(half == FirstHalf ? ControlState::Pressed : ControlState::Normal,
              half == SecondHalf ? ControlState::Pressed : ControlState::Normal);
    const bool up = (half == SecondHalf) == (orientation() == Qt::Horizontal);
    const SliderAction step = up ? SliderSingleStepAdd : SliderSingleStepSub;
    triggerAction(step);
    // Held, the half goes on stepping at the pace of the skinned scroll bar's arrows.
    setRepeatAction(step, metrics::scrollBar::repeatDelayMs, metrics::scrollBar::repeatIntervalMs);
}

void TsUpDown::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        // Stepping stops for good once the pointer leaves the held half.
        const Half held = m_states[FirstHalf] == ControlState::Pressed    ? FirstHalf
                          : m_states[SecondHalf] == ControlState::Pressed ? SecondHalf
                                                                          : NoHalf;
        if (held != NoHalf && halfAt(event->position().toPoint()) != held) {
            setRepeatAction(SliderNoAction);
            setStates(ControlState::Normal, ControlState::Normal);
        }
        return;
    }
    const Half half = isEnabled() ? halfAt(event->position().toPoint()) : NoHalf;
    setStates(half == FirstHalf ? ControlState::Hot : ControlState::Normal,
              half == SecondHalf ? ControlState::Hot : ControlState::Normal);
}

void TsUpDown::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setRepeatAction(SliderNoAction);
    const Half half = halfAt(event->position().toPoint());
    setStates(half == FirstHalf ? ControlState::Hot : ControlState::Normal,
              half == SecondHalf ? ControlState::Hot : ControlState::Normal);
}

void TsUpDown::leaveEvent(QEvent* event)
{
    QAbstractSlider::leaveEvent(event);
    setStates(ControlState::Normal, ControlState::Normal);
}

bool TsUpDown::event(QEvent* event)
{
    const unsigned message = skinMessageOf(event);
    const bool answered = Skinned::event(event);
    if (message == SKM_REMOVESKIN || message == SKM_REPAINT || message == SKM_REPAINTCHILD || message == SKM_SETNEWSKIN)
        update();
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::Hide) {
        setRepeatAction(SliderNoAction);
        setStates(ControlState::Normal, ControlState::Normal);
    }
    return answered;
}

void TsUpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (skinActive()) {
        painter.drawImage(0, 0, skinImage());
        return;
    }
    const bool horizontal = orientation() == Qt::Horizontal;
    for (Half half : {FirstHalf, SecondHalf}) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = halfRect(half);
        if (!isEnabled() || (m_showInaccessibility && !halfCanStep(half)))
            option.state &= ~QStyle::State_Enabled;
        if (m_states[half] == ControlState::Pressed)
            option.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, this);
        const QStyle::PrimitiveElement arrow =
            horizontal ? (half == FirstHalf ? QStyle::PE_IndicatorArrowLeft : QStyle::PE_IndicatorArrowRight)
                       : (half == FirstHalf ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown);
        style()->drawPrimitive(arrow, &option, &painter, this);
    }
}

QImage TsUpDown::skinImage() const
{
    QImage image(size(), QImage::Format_BGR888);
    image.fill(Qt::black);
    const TsCacheInfo cache = SkinData.parentCache();
    const QColor under = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : QColor(Qt::white);
    const int32_t parentColor = rgbColor(under.red(), under.green(), under.blue());
    for (Half half : {FirstHalf, SecondHalf}) {
        paintHalf(image, half, cache);
        if (isEnabled() && !(m_showInaccessibility && !halfCanStep(half)))
            continue;
        const QRect rect = halfRect(half);
        QImage part = image.copy(rect);
        paintDisabledLook(part, m_disabledKind, parentColor, pos() + rect.topLeft(), cache);
        copyBlock(image, rect.topLeft(), part, part.rect());
    }
    return image;
}

void TsUpDown::paintHalf(QImage& image, Half half, const TsCacheInfo& cache) const
{
    const TsCommonIndexes& common = SkinData.skin().commonIndexes;
    const bool horizontal = orientation() == Qt::Horizontal;
    const TsScrollPartIndexes& indexes = horizontal
                                             ? (half == FirstHalf ? common.scrollBtnLeft : common.scrollBtnRight)
                                             : (half == FirstHalf ? common.scrollBtnTop : common.scrollBtnBottom);
    if (indexes.section < 0)
        return;
    const QRect rect = halfRect(half);
    const ControlState state = isEnabled() ? m_states[half] : ControlState::Normal;
    const SectionPaint paint{indexes.section, SkinData.skin().sections[indexes.section].sectionName, cache,
                             pos() + rect.topLeft(), state};
    paintItemFixed(SkinData.skin(), image, rect, paint,
                   SectionMasks{indexes.bordersMask, indexes.pattern, indexes.hotPattern});
    if (indexes.glyphMask < 0)
        return;
    const QSize glyph = SkinData.skin().stateImageSize(indexes.glyphMask);
    const QPoint at = rect.topLeft() + QPoint((rect.width() - glyph.width()) / 2, (rect.height() - glyph.height()) / 2);
    if (at.x() >= 0 && at.y() >= 0)
        paintStateImage(SkinData.skin(), image, at, state, SkinData.skin().masks[indexes.glyphMask]);
}
