#include "skin/controls/tsscrollbar.h"

#include "skin/core/paintdisabled.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"
#include "skin/core/stateimage.h"

#include "platform/messagebox.h"
#include "platform/metrics.h"
#include "skin/controls/scrollbarmetrics.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

// numerator / denominator to the nearest integer, halves to even, for either sign.
int roundedQuotient(int numerator, int denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    return numerator < 0 ? -divRoundEven(-numerator, denominator) : divRoundEven(numerator, denominator);
}

bool isButtonOrSlider(TsScrollBar::Part part)
{
    return part == TsScrollBar::FirstButton || part == TsScrollBar::SecondButton || part == TsScrollBar::Slider;
}

// Disabled under an owner that is not its parent, a bar keeps this much of its own picture and
// takes the rest from the track's colour.
constexpr int disabledOwnPercent = 40;

} // namespace

TsScrollBar::TsScrollBar(QWidget* parent) : Skinned(parent)
{
    setOrientation(Qt::Horizontal);
    resize(metrics::scrollBar::defaultLength, metrics::scrollArrowSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setTabStop(true);
    m_timer.setParent(this);
    connect(&m_timer, &QTimer::timeout, this, &TsScrollBar::autoRepeatTick);
    connect(this, &QAbstractSlider::actionTriggered, this, &TsScrollBar::platformAction);
    hold(0, 100, 0);
    setLargeChange(1);
}

void TsScrollBar::setKind(TsScrollBarKind kind)
{
    setOrientation(kind == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    update();
}

void TsScrollBar::setMin(int min)
{
    if (min != Min())
        applyLimits(min, Max());
}

void TsScrollBar::setMax(int max)
{
    if (max != Max())
        applyLimits(Min(), max);
}

// Limits that cross are reported but kept: an owner may pass through such a pair while it
// synchronises, and the bar must end with what it was given.
void TsScrollBar::applyLimits(int min, int max)
{
    const int old = Position();
    const int position = std::max(std::min(old, max), min);
    hold(min, max, position);
    if (min >= max) {
        const QString who = m_owner ? QStringLiteral("(Owner=%1)").arg(m_owner->objectName())
                                    : QStringLiteral("(%1)").arg(objectName());
        showDefaultError(QStringLiteral("Scrollbar property out of range\n\rMax = %1%2").arg(max).arg(who));
    }
    update();
    if (position != old && !m_nonSmoothDrag)
        notifyChange();
}

void TsScrollBar::setPosition(int position)
{
    const int min = Min();
    const int max = Max();
    const int old = Position();
    if ((position < min && old == min) || (position >= max && old == max))
        return;
    position = std::max(std::min(position, max), min);
    if (position == old)
        return;
    hold(min, max, position);
    update();
    if (!m_nonSmoothDrag)
        notifyChange();
}

void TsScrollBar::setPageSize(int pageSize)
{
    if (pageSize < 0 || pageSize == m_pageSize)
        return;
    m_pageSize = pageSize;
    update();
}

void TsScrollBar::setDisabledKind(TsDisabledKind kind)
{
    m_disabledKind = kind;
    update();
}

void TsScrollBar::showNothingToScroll(int pageSize)
{
    hold(0, 1, 0);
    m_nothingToScroll = true;
    if (pageSize >= 0)
        m_pageSize = pageSize;
    // The owner set it, so the next change starts from there; a drag that is not smooth still
    // tells from where it started.
    if (!m_nonSmoothDrag)
        m_toldPosition = -1;
    update();
}

void TsScrollBar::setUpdating(bool updating)
{
    m_updating = updating;
    if (!updating)
        update();
}

void TsScrollBar::notifyChange()
{
    emit positionChanged(std::exchange(m_toldPosition, Position()));
    emit scrolled(m_lastCode, Position());
    emit changed();
}

// The platform's part holds the limits sorted; which way round they were given is kept beside.
void TsScrollBar::hold(int min, int max, int position)
{
    m_holding = true;
    m_limitsCrossed = min > max;
    m_nothingToScroll = false;
    setRange(std::min(min, max), std::max(min, max));
    setValue(position);
    m_holding = false;
}

// A value set from outside the skin's logic (platform input, the wheel, a screen reader) is the
// bar's position, told as any other; crossed limits keep the position at Min all the same.
void TsScrollBar::sliderChange(SliderChange change)
{
    QScrollBar::sliderChange(change);
    if (m_holding || change != SliderValueChange)
        return;
    m_nothingToScroll = false;
    if (!m_nonSmoothDrag && Position() != m_toldPosition)
        notifyChange();
}

// The platform's own ways of scrolling (its input without a skin, the wheel) tell of the scroll
// with their own code before the position follows; the code is not kept for later changes.
void TsScrollBar::platformAction(int action)
{
    TsScrollCode code = scTrack;
    switch (action) {
    case SliderSingleStepSub: code = scLineUp; break;
    case SliderSingleStepAdd: code = scLineDown; break;
    case SliderPageStepSub: code = scPageUp; break;
    case SliderPageStepAdd: code = scPageDown; break;
    case SliderToMinimum: code = scTop; break;
    case SliderToMaximum: code = scBottom; break;
    default: break;
    }
    emit scrolled(code, sliderPosition());
}

// --- Geometry ---------------------------------------------------------------------------------

int TsScrollBar::length() const
{
    return Kind() == sbHorizontal ? width() : height();
}

int TsScrollBar::arrowLength() const
{
    return std::min(metrics::scrollArrowSize, length() / 2);
}

int TsScrollBar::along(QPoint point) const
{
    return Kind() == sbHorizontal ? point.x() : point.y();
}

QRect TsScrollBar::spanRect(int start, int spanLength) const
{
    return Kind() == sbHorizontal ? QRect(start, 0, spanLength, height()) : QRect(0, start, width(), spanLength);
}

int TsScrollBar::sliderLength() const
{
    const int minimum = metrics::scrollBar::minSliderLength;
    const int range = Max() + m_pageSize - Min();
    if (m_pageSize == 0 || range <= 0)
        return minimum;
    const int track = length() - 2 * metrics::scrollArrowSize;
    return std::max(minimum, roundedQuotient(track * m_pageSize, range));
}

int TsScrollBar::sliderCenter() const
{
    if (!isEnabled())
        return length() / 2;
    if (Max() == Min())
        return 0;
    const int arrow = metrics::scrollArrowSize;
    const int slider = sliderLength();
    return arrow + slider / 2 + roundedQuotient((length() - 2 * arrow - slider) * (Position() - Min()), Max() - Min());
}

int TsScrollBar::positionFromPointer(int coordinate) const
{
    if (!isEnabled())
        return 0;
    const int arrow = metrics::scrollArrowSize;
    const int slider = sliderLength();
    const int travel = length() - 2 * arrow - slider;
    if (travel == 0)
        return Min();
    return Min() + roundedQuotient((coordinate - arrow - slider / 2) * (Max() - Min()), travel);
}

QRect TsScrollBar::partRect(Part part) const
{
    const int center = sliderCenter();
    const int slider = sliderLength();
    switch (part) {
    case FirstButton: return spanRect(0, arrowLength());
    case SecondButton: return spanRect(length() - arrowLength(), arrowLength());
    case TrackBefore: return spanRect(0, center);
    case TrackAfter: return spanRect(center, length() - center);
    case Slider: return spanRect(center - slider / 2, slider);
    case PartCount: break;
    }
    return {};
}

bool TsScrollBar::sliderShown() const
{
    const QRect slider = partRect(Slider);
    const int start = along(slider.topLeft());
    const bool fits = start >= arrowLength() && start + sliderLength() <= length() - arrowLength();
    return fits && (isEnabled() || !m_owner || !m_owner->isEnabled());
}

int TsScrollBar::partAt(QPoint point) const
{
    if (!rect().contains(point))
        return -1;
    for (Part part : {FirstButton, SecondButton})
        if (partRect(part).contains(point))
            return part;
    if (sliderShown() && partRect(Slider).contains(point))
        return Slider;
    return along(point) < sliderCenter() ? TrackBefore : TrackAfter;
}

// --- Part states ------------------------------------------------------------------------------

void TsScrollBar::setPartState(Part part, ControlState state)
{
    std::array<ControlState, PartCount> states = m_states;
    states[part] = state;
    // Whichever part lights up, the buttons and the slider besides it go dark and the tracks
    // besides it light up.
    if (state != ControlState::Normal) {
        for (Part other : {FirstButton, SecondButton, Slider, TrackBefore, TrackAfter})
            if (other != part)
                states[other] = isButtonOrSlider(other) ? ControlState::Normal : ControlState::Hot;
    }
    setStates(states);
}

void TsScrollBar::setStates(const std::array<ControlState, PartCount>& states)
{
    if (states == m_states)
        return;
    m_states = states;
    update();
}

// --- Input ------------------------------------------------------------------------------------

bool TsScrollBar::skinActive() const
{
    return skinData().ready && !SkinData.skin().sections.isEmpty();
}

void TsScrollBar::enterEvent(QEnterEvent* event)
{
    QScrollBar::enterEvent(event);
    if (!skinInput())
        return;
    std::array<ControlState, PartCount> states = m_states;
    states[TrackBefore] = states[TrackAfter] = ControlState::Hot;
    setStates(states);
}

void TsScrollBar::leaveEvent(QEvent* event)
{
    QScrollBar::leaveEvent(event);
    if (!skinInput())
        return;
    std::array<ControlState, PartCount> states = m_states;
    states[FirstButton] = states[SecondButton] = ControlState::Normal;
    if (states[Slider] != ControlState::Pressed)
        states[Slider] = states[TrackBefore] = states[TrackAfter] = ControlState::Normal;
    setStates(states);
}

void TsScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!skinInput()) {
        QScrollBar::mouseMoveEvent(event);
        return;
    }
    m_pointer = along(event->position().toPoint());
    if (m_states[Slider] == ControlState::Pressed) {
        followPointer();
        return;
    }
    const int part = partAt(event->position().toPoint());
    if (part == Slider || part == FirstButton || part == SecondButton) {
        if (m_states[part] == ControlState::Normal)
            setPartState(Part(part), ControlState::Hot);
        return;
    }
    std::array<ControlState, PartCount> states = m_states;
    states[FirstButton] = states[SecondButton] = states[Slider] = ControlState::Normal;
    setStates(states);
}

void TsScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (!skinInput()) {
        QScrollBar::mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (TabStop())
        setFocus(Qt::MouseFocusReason);
    m_pointer = along(event->position().toPoint());
    switch (partAt(event->position().toPoint())) {
    case FirstButton:
        m_lastCode = scLineUp;
        setPartState(FirstButton, ControlState::Pressed);
        if (Position() != Min())
            stepBy(-SmallChange());
        startRepeat(Repeat::Button);
        break;
    case SecondButton:
        m_lastCode = scLineDown;
        setPartState(SecondButton, ControlState::Pressed);
        if (Position() != Max())
            stepBy(SmallChange());
        startRepeat(Repeat::Button);
        break;
    case Slider:
        m_lastCode = scTrack;
        m_nonSmoothDrag = !m_smooth;
        m_grabOffset = positionFromPointer(m_pointer) - Position();
        setPartState(Slider, ControlState::Pressed);
        startRepeat(Repeat::Drag);
        break;
    case TrackBefore:
        m_lastCode = scPageUp;
        setPartState(TrackBefore, ControlState::Pressed);
        stepBy(-LargeChange());
        startRepeat(Repeat::Page);
        break;
    case TrackAfter:
        m_lastCode = scPageDown;
        setPartState(TrackAfter, ControlState::Pressed);
        stepBy(LargeChange());
        startRepeat(Repeat::Page);
        break;
    default: break;
    }
}

void TsScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (!skinInput()) {
        QScrollBar::mouseReleaseEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    stopRepeat();
    const QPoint point = event->position().toPoint();
    m_pointer = along(point);
    const ControlState inside = rect().contains(point) ? ControlState::Hot : ControlState::Normal;
    if (partAt(point) == Slider || m_states[Slider] == ControlState::Pressed) {
        m_lastCode = scPosition;
        std::array<ControlState, PartCount> states = m_states;
        states[TrackBefore] = states[TrackAfter] = inside;
        setStates(states);
        if (m_states[Slider] == ControlState::Pressed) {
            followPointer();
            states = m_states;
            states[Slider] = partAt(point) == Slider ? ControlState::Hot : ControlState::Normal;
            setStates(states);
        }
        if (m_nonSmoothDrag) {
            m_nonSmoothDrag = false;
            if (Position() != m_toldPosition)
                notifyChange();
        }
        return;
    }
    std::array<ControlState, PartCount> states = m_states;
    for (Part button : {FirstButton, SecondButton})
        if (states[button] == ControlState::Pressed)
            states[button] = ControlState::Hot;
    for (Part track : {TrackBefore, TrackAfter})
        if (states[track] == ControlState::Pressed)
            states[track] = inside;
    setStates(states);
}

void TsScrollBar::keyPressEvent(QKeyEvent* event)
{
    if (!skinInput()) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_PageUp: stepBy(-LargeChange()); break;
    case Qt::Key_PageDown: stepBy(LargeChange()); break;
    case Qt::Key_End: setPosition(Max()); break;
    case Qt::Key_Home: setPosition(Min()); break;
    case Qt::Key_Right:
    case Qt::Key_Down: stepBy(SmallChange()); break;
    case Qt::Key_Left:
    case Qt::Key_Up: stepBy(-SmallChange()); break;
    default: QScrollBar::keyPressEvent(event); break;
    }
}

void TsScrollBar::stepBy(int delta)
{
    setPosition(Position() + delta);
}

void TsScrollBar::followPointer()
{
    setPosition(positionFromPointer(m_pointer) - m_grabOffset);
}

// Paging ends once the slider has reached the pointer.
bool TsScrollBar::pageStillTowardPointer() const
{
    const QRect slider = partRect(Slider);
    if (m_states[TrackBefore] == ControlState::Pressed)
        return m_pointer < along(slider.topLeft());
    if (m_states[TrackAfter] == ControlState::Pressed)
        return m_pointer >= along(slider.topLeft()) + sliderLength();
    return false;
}

void TsScrollBar::startRepeat(Repeat repeat)
{
    m_repeat = repeat;
    m_timer.start(metrics::scrollBar::repeatDelayMs);
}

void TsScrollBar::stopRepeat()
{
    m_timer.stop();
    m_repeat = Repeat::None;
}

void TsScrollBar::autoRepeatTick()
{
    m_timer.setInterval(metrics::scrollBar::repeatIntervalMs);
    switch (m_repeat) {
    case Repeat::Button:
        if (m_states[FirstButton] == ControlState::Pressed)
            stepBy(-SmallChange());
        else if (m_states[SecondButton] == ControlState::Pressed)
            stepBy(SmallChange());
        else
            stopRepeat();
        break;
    case Repeat::Page:
        if (pageStillTowardPointer())
            stepBy(m_states[TrackBefore] == ControlState::Pressed ? -LargeChange() : LargeChange());
        break;
    case Repeat::Drag: followPointer(); break;
    case Repeat::None: stopRepeat(); break;
    }
}

// --- Skin messages and painting ---------------------------------------------------------------

bool TsScrollBar::event(QEvent* event)
{
    const unsigned message = skinMessageOf(event);
    const bool answered = Skinned::event(event);
    if (message == SKM_REPAINTCHILD || message == SKM_SETNEWSKIN || message == SKM_REMOVESKIN)
        update();
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopRepeat();
    return answered;
}

void TsScrollBar::paintEvent(QPaintEvent* event)
{
    if (!skinActive()) {
        QScrollBar::paintEvent(event);
        return;
    }
    if (m_updating || SkinData.updating())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, skinImage());
}

QImage TsScrollBar::skinImage()
{
    SkinData.prepareCacheBitmap();
    QImage& image = SkinData.cache();
    paintBar(image);
    if (isEnabled())
        return image;
    QImage shown = image.copy();
    const TsScrollPartIndexes& track =
        Kind() == sbHorizontal ? SkinData.skin().commonIndexes.scrollBar1H : SkinData.skin().commonIndexes.scrollBar1V;
    if (m_owner && m_owner != parentWidget() && track.section >= 0) {
        colorMix(shown, shown.rect(), disabledOwnPercent, SkinData.skin().sections[track.section].color);
    } else {
        const QColor under = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : QColor(Qt::white);
        paintDisabledLook(shown, m_disabledKind, rgbColor(under.red(), under.green(), under.blue()), pos(),
                          SkinData.parentCache());
    }
    return shown;
}

void TsScrollBar::paintBar(QImage& image)
{
    TsCacheInfo cache;
    QPoint offset = pos();
    if (m_owner) {
        cache = requestSkinCache(m_owner);
        if (!m_owner->isWindow())
            offset = m_owner->mapFromGlobal(mapToGlobal(QPoint()));
    } else {
        cache = SkinData.parentCache();
    }
    const ControlState barState = SkinData.hot() ? ControlState::Hot : ControlState::Normal;
    for (Part track : {TrackBefore, TrackAfter}) {
        const ControlState state = !isEnabled()                              ? ControlState::Normal
                                   : m_states[track] != ControlState::Normal ? m_states[track]
                                                                             : barState;
        paintPart(image, track, partRect(track), state, cache, offset);
    }
    for (Part button : {FirstButton, SecondButton})
        paintPart(image, button, partRect(button), m_states[button], cache, offset);
    if (sliderShown())
        paintPart(image, Slider, partRect(Slider), m_states[Slider], cache, offset);
}

void TsScrollBar::paintPart(QImage& image, Part part, const QRect& rect, ControlState state, const TsCacheInfo& cache,
                            QPoint offset) const
{
    const TsCommonIndexes& common = SkinData.skin().commonIndexes;
    const bool horizontal = Kind() == sbHorizontal;
    const TsScrollPartIndexes* indexes = nullptr;
    switch (part) {
    case FirstButton: indexes = horizontal ? &common.scrollBtnLeft : &common.scrollBtnTop; break;
    case SecondButton: indexes = horizontal ? &common.scrollBtnRight : &common.scrollBtnBottom; break;
    case TrackBefore: indexes = horizontal ? &common.scrollBar1H : &common.scrollBar1V; break;
    case TrackAfter: indexes = horizontal ? &common.scrollBar2H : &common.scrollBar2V; break;
    case Slider: indexes = horizontal ? &common.scrollSliderH : &common.scrollSliderV; break;
    case PartCount: return;
    }
    if (indexes->section < 0)
        return;
    const TsGeneralData& section = SkinData.skin().sections[indexes->section];
    QRect painted = rect;
    // A button whose border frame is longer than the arrow is painted at the frame's length, so
    // that the frame is not squeezed.
    if ((part == FirstButton || part == SecondButton) && section.reservedBoolean && indexes->bordersMask >= 0) {
        const QSize frame = SkinData.skin().stateImageSize(indexes->bordersMask);
        const int paintedLength = std::max(metrics::scrollArrowSize, horizontal ? frame.width() : frame.height());
        const int start = part == FirstButton ? 0 : length() - paintedLength;
        painted = spanRect(start, paintedLength);
    }
    const SectionPaint paint{indexes->section, section.sectionName, cache, offset + painted.topLeft(), state};
    paintItemFixed(SkinData.skin(), image, painted, paint,
                   SectionMasks{indexes->bordersMask, indexes->pattern, indexes->hotPattern});
    if (indexes->glyphMask < 0)
        return;
    const QSize glyph = SkinData.skin().stateImageSize(indexes->glyphMask);
    QPoint at =
        painted.topLeft() + QPoint((painted.width() - glyph.width()) / 2, (painted.height() - glyph.height()) / 2);
    if (part == Slider && state == ControlState::Pressed)
        at += QPoint(1, 1);
    if (at.x() >= 0 && at.y() >= 0)
        paintStateImage(SkinData.skin(), image, at, state, SkinData.skin().masks[indexes->glyphMask]);
}
