#include "skin/controls/tslistbox.h"

#include "skin/controls/tsscrollbar.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skintext.h"

#include "platform/metrics.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

// The skin's frame of a list is this wide.
constexpr int skinFrameWidth = 3;
// An item's text starts this far from its left edge.
constexpr int textIndent = 2;

} // namespace

TsListBox::TsListBox(QWidget* parent)
    : Skinned(parent),
      m_itemHeight(metrics::listBox::itemHeight),
      m_clock([] { return QDateTime::currentMSecsSinceEpoch(); }),
      m_bars(this, SkinData, {skinFrameWidth - 1, 1, Qt::Vertical})
{
    m_bars.setVerticalWanted([this] { return moreItemsThanFit(); });
    followSkin();
}

void TsListBox::setDisabledKind(TsDisabledKind kind)
{
    m_disabledKind = kind;
    SkinData.invalidate();
    viewport()->update();
}

void TsListBox::setItemHeight(int height)
{
    m_itemHeight = std::max(1, height);
    m_bars.synchronize();
}

bool TsListBox::moreItemsThanFit() const
{
    return count() > (height() - 2 * skinFrameWidth) / m_itemHeight;
}

void TsListBox::followSkin()
{
    const bool skinned = SkinData.skinned();
    if (skinned != m_skinFrame) {
        m_skinFrame = skinned;
        if (skinned)
            m_ownFrame = takeFrameOver(this, skinFrameWidth);
        else
            giveFrameBack(this, m_ownFrame);
        viewport()->update();
    }
    m_bars.synchronize();
}

bool TsListBox::event(QEvent* event)
{
    if (event->type() == QEvent::Paint && m_skinFrame) {
        paintFrame();
        return true;
    }
    const unsigned message = skinMessageOf(event);
    const bool wasHot = SkinData.hot();
    const bool answered = Skinned::event(event);
    if (event->type() == QEvent::EnabledChange)
        SkinData.invalidate();
    if (message == SKM_SETNEWSKIN || message == SKM_REMOVESKIN)
        followSkin();
    else if (message == SKM_REPAINT)
        m_bars.synchronize();
    if (wasHot != SkinData.hot() || event->type() == QEvent::EnabledChange) {
        // The frame, the items and the bar all show the list's state.
        SkinData.invalidate();
        viewport()->update();
        if (TsScrollBar* bar = skinnedScrollBar())
            bar->update();
    }
    return answered;
}

void TsListBox::paintFrame()
{
    prepareFrameCache(SkinData, m_disabledKind);
    QPainter painter(this);
    paintFrameStrips(painter, SkinData.cacheBitmap, size(), skinFrameWidth);
}

void TsListBox::paintEvent(QPaintEvent* event)
{
    if (!m_skinFrame) {
        QListWidget::paintEvent(event);
        return;
    }
    prepareFrameCache(SkinData, m_disabledKind);
    QPainter painter(viewport());
    const QPoint cacheOffset = viewport()->pos();
    // Below the last item the list shows its face from the cache.
    painter.drawImage(QPoint(0, 0), SkinData.cacheBitmap, QRect(cacheOffset, viewport()->size()));
    const int top = indexAt(QPoint(0, 0)).row();
    const bool hot = SkinData.hot();
    for (int row = std::max(top, 0); row < count(); ++row) {
        if (visualItemRect(item(row)).top() >= viewport()->height())
            break;
        paintRow(painter, row, cacheOffset, hot);
    }
}

// Each item is drawn whole into a bitmap of its own and then put in its place.
void TsListBox::paintRow(QPainter& painter, int row, QPoint cacheOffset, bool hot)
{
    const QListWidgetItem* entry = item(row);
    const QRect place = visualItemRect(entry);
    if (entry->isHidden() || place.isEmpty())
        return;
    QImage face(place.size(), QImage::Format_BGR888);
    QPainter canvas(&face);
    canvas.setFont(font());
    QRect textArea = face.rect().adjusted(textIndent, 0, 0, 0);
    const TextFlags flags = TextFlag::SingleLine | TextFlag::VCenter | TextFlag::NoPrefix;
    const bool enabled = isEnabled() && (entry->flags() & Qt::ItemIsEnabled);
    if (entry->isSelected()) {
        const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
        canvas.fillRect(face.rect(), palette().color(group, QPalette::Highlight));
        canvas.setPen(palette().color(group, QPalette::HighlightedText));
        writePlainText(canvas, entry->text(), true, flags, textArea);
    } else {
        canvas.drawImage(QPoint(0, 0), SkinData.cacheBitmap, place.translated(cacheOffset));
        writeSkinText(canvas, entry->text(), {SkinData.skinIndex, enabled, hot, flags}, textArea);
    }
    if (hasFocus() && row == currentRow()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = face.rect();
        focus.backgroundColor = palette().color(entry->isSelected() ? QPalette::Highlight : QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &canvas, this);
    }
    canvas.end();
    painter.drawImage(place.topLeft(), face);
}

void TsListBox::keyPressEvent(QKeyEvent* event)
{
    if (m_autoComplete && search(event))
        return;
    QListWidget::keyPressEvent(event);
}

// Typed characters collect into a text that chooses the first item beginning with it; backspace
// takes the last one back. True when the key was used up here.
bool TsListBox::search(QKeyEvent* event)
{
    const bool backspace = event->key() == Qt::Key_Backspace;
    const QString typed = event->text();
    const bool character = !typed.isEmpty() && typed.at(0).isPrint()
                           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!backspace && !character)
        return false;
    const qint64 now = m_clock();
    if (now - m_lastKey > metrics::listBox::searchPauseMs)
        m_search.clear();
    m_lastKey = now;
    if (!backspace) {
        m_search += typed;
    } else if (!m_search.isEmpty()) {
        m_search.chop(m_search.size() >= 2 && m_search.back().isLowSurrogate() ? 2 : 1);
    }
    int found = 0;
    if (!m_search.isEmpty()) {
        found = -1;
        for (int row = 0; row < count() && found < 0; ++row)
            if (item(row)->text().startsWith(m_search, Qt::CaseInsensitive))
                found = row;
    }
    if (found >= 0 && found < count())
        setCurrentRow(found, QItemSelectionModel::ClearAndSelect);
    if (backspace)
        return false;
    event->accept();
    return true;
}
