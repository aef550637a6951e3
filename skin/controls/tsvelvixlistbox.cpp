#include "skin/controls/tsvelvixlistbox.h"

#include "skin/core/skintext.h"

#include "skin/controls/listboxmetrics.h"

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

TsVelvixListBox::TsVelvixListBox(QWidget* parent)
    : Skinned(parent),
      m_itemHeight(metrics::listBox::itemHeight),
      m_clock([] { return QDateTime::currentMSecsSinceEpoch(); }),
      m_frame(this, SkinData,
              {.width = skinFrameWidth, .bars = {skinFrameWidth - 1, 1, Qt::Vertical}, .paintsItems = true})
{
    m_frame.bars().setVerticalWanted([this] { return moreItemsThanFit(); });
    m_frame.followSkin();
}

int TsVelvixListBox::ItemHeight() const
{
    const int rowHeight = count() > 0 ? sizeHintForRow(0) : 0;
    return rowHeight > 0 ? rowHeight : m_itemHeight;
}

void TsVelvixListBox::setItemHeight(int height)
{
    m_itemHeight = std::max(1, height);
    for (int row = 0; row < count(); ++row)
        item(row)->setSizeHint(QSize(0, m_itemHeight));
    m_frame.bars().synchronize();
}

bool TsVelvixListBox::moreItemsThanFit() const
{
    return count() > (height() - 2 * skinFrameWidth) / ItemHeight();
}

bool TsVelvixListBox::event(QEvent* event)
{
    return m_frame.event(event, [this](QEvent* e) { return Skinned::event(e); });
}

void TsVelvixListBox::paintEvent(QPaintEvent* event)
{
    if (!m_frame.skinned()) {
        QListWidget::paintEvent(event);
        return;
    }
    m_frame.prepareCache();
    QPainter painter(viewport());
    const QPoint cacheOffset = viewport()->pos();
    // Below the last item the list shows its face from the cache.
    painter.drawImage(QPoint(0, 0), SkinData.cache(), QRect(cacheOffset, viewport()->size()));
    const int top = indexAt(QPoint(0, 0)).row();
    const bool hot = SkinData.hot();
    for (int row = std::max(top, 0); row < count(); ++row) {
        if (visualItemRect(item(row)).top() >= viewport()->height())
            break;
        paintRow(painter, row, cacheOffset, hot);
    }
}

// Each item is drawn whole into a bitmap of its own and then put in its place.
void TsVelvixListBox::paintRow(QPainter& painter, int row, QPoint cacheOffset, bool hot)
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
    // The current item of a list the keyboard is elsewhere is highlighted too, so that the reader
    // sees which one Enter would take once back in the list.
    if (entry->isSelected() || (!hasFocus() && row == currentRow())) {
        const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
        canvas.fillRect(face.rect(), palette().color(group, QPalette::Highlight));
        canvas.setPen(palette().color(group, QPalette::HighlightedText));
        writePlainText(canvas, entry->text(), true, flags, textArea);
    } else {
        canvas.drawImage(QPoint(0, 0), SkinData.cache(), place.translated(cacheOffset));
        writeSkinText(SkinData.skin(), canvas, entry->text(), {SkinData.skinIndex(), enabled, hot, flags}, textArea);
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

void TsVelvixListBox::keyPressEvent(QKeyEvent* event)
{
    if (m_autoComplete && search(event))
        return;
    QListWidget::keyPressEvent(event);
}

// Typed characters collect into a text that chooses the first item beginning with it; backspace
// takes the last one back. True when the key was used up here.
bool TsVelvixListBox::search(QKeyEvent* event)
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
