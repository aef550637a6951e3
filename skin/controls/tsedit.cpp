#include "skin/controls/tsedit.h"

#include "skin/controls/editframe.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skintables.h"
#include "skin/core/skintext.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The platform's frame of an edit is this wide; the skin's frame takes its place.
constexpr int frameWidth = 2;
// The platform writes an edit's line this far in from the sides of its contents, and this far
// from their top or bottom when the text is aligned there.
constexpr int lineSideMargin = 2;
constexpr int lineEndMargin = 1;
constexpr int caretWidth = 1;
constexpr QChar passwordCharacter = u'*';

} // namespace

TsEdit::TsEdit(QWidget* parent) : Skinned(parent)
{
    followSkin();
}

void TsEdit::setDisabledKind(TsDisabledKind kind)
{
    m_disabledKind = kind;
    SkinData.invalidate();
}

QString TsEdit::shownText() const
{
    switch (echoMode()) {
    case Password:
    case PasswordEchoOnEdit: return QString(text().size(), passwordCharacter);
    case NoEcho: return QString();
    case Normal: break;
    }
    return text();
}

bool TsEdit::reservedBoolean() const
{
    return SkinData.section() && SkinData.section()->reservedBoolean;
}

// The skin's frame replaces the platform's: the platform then paints only the text area inside.
void TsEdit::followSkin()
{
    const bool skinned = SkinData.skinned();
    if (skinned == m_skinFrame)
        return;
    m_skinFrame = skinned;
    if (skinned) {
        m_ownMargins = textMargins();
        setFrame(false);
        setTextMargins(m_ownMargins + QMargins(frameWidth, frameWidth, frameWidth, frameWidth));
    } else {
        setFrame(true);
        setTextMargins(m_ownMargins);
    }
}

bool TsEdit::event(QEvent* event)
{
    const unsigned message = skinMessageOf(event);
    const bool wasHot = SkinData.hot();
    const bool answered = Skinned::event(event);
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
        // The pointer alone changes the look only in skins that ask for it.
        if (reservedBoolean())
            SkinData.invalidate();
        break;
    case QEvent::FocusIn:
        SkinData.setMouseAbove(false);
        SkinData.invalidate();
        break;
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::ShowToParent: SkinData.invalidate(); break;
    default: break;
    }
    if (message == SKM_SETNEWSKIN || message == SKM_REMOVESKIN)
        followSkin();
    if (wasHot != SkinData.hot())
        SkinData.markStale();
    return answered;
}

// The skin writes the text exactly where the platform will once the pointer or the focus comes,
// so that it does not move on hover or focus: vertically centred in the contents unless aligned
// otherwise, whatever the edit's height.
QRect TsEdit::platformTextLine() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    const int lineHeight = fontMetrics().height();
    int top = contents.y() + (contents.height() - lineHeight + 1) / 2;
    if (alignment() & Qt::AlignTop)
        top = contents.y() + lineEndMargin;
    else if (alignment() & Qt::AlignBottom)
        top = contents.y() + contents.height() - lineHeight - lineEndMargin;
    return {contents.x() + lineSideMargin, top, contents.width() - 2 * lineSideMargin, lineHeight};
}

void TsEdit::paintEvent(QPaintEvent* event)
{
    if (!m_skinFrame) {
        QLineEdit::paintEvent(event);
        return;
    }
    prepareFrameCache(SkinData, m_disabledKind);
    const bool hot = SkinData.hot();
    if (hot)
        QLineEdit::paintEvent(event);
    QPainter painter(this);
    if (hot) {
        paintFrameStrips(painter, SkinData.cache(), size(), frameWidth);
        return;
    }
    painter.drawImage(QPoint(0, 0), SkinData.cache());
    painter.setFont(font());
    QRect area = platformTextLine();
    TextFlags flags = TextFlag::SingleLine | TextFlag::NoPrefix;
    // The platform keeps room for its caret after the text when it centres or right-aligns it.
    if (alignment() & Qt::AlignHCenter) {
        flags |= TextFlag::Center;
        area.setRight(area.right() - caretWidth);
    } else if (alignment() & Qt::AlignRight) {
        flags |= TextFlag::Right;
        area.setRight(area.right() - caretWidth);
    }
    writeSkinText(SkinData.skin(), painter, shownText(), {SkinData.skinIndex(), isEnabled(), hot, flags}, area);
}
