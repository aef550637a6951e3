#include "skin/controls/tspanel.h"

#include "skin/controls/containerpaint.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skintext.h"

#include <QMetaMethod>
#include <QPainter>

TsPanel::TsPanel(QWidget* parent) : Skinned(parent), m_alignment(CaptionAlignment::Center)
{}

void TsPanel::setCaption(const QString& caption)
{
    setLookProperty(m_caption, caption);
}

void TsPanel::setAlignment(CaptionAlignment alignment)
{
    setLookProperty(m_alignment, alignment);
}

bool TsPanel::skinActive() const
{
    return SkinData.skinned() && parentWidget();
}

void TsPanel::rebuildCache()
{
    const TsCacheInfo parent = SkinData.parentCache();
    SkinData.prepareCacheBitmap();
    QImage& cache = SkinData.cache();
    paintWholeItem(SkinData.skin(), cache, {SkinData.skinIndex(), SkinData.SkinSection(), parent, pos()});
    QPainter painter(&cache);
    writeCaption(painter, !testAttribute(Qt::WA_SetFont));
    painter.end();
    SkinData.markPainted();
    // Controls that let the panel show through paint again over its new face.
    sendToChildren(this, SKM_PARENTBGCHANGED);
}

// The caption stands on the middle line of the client area, in the skin's font colours or, with
// a font of the panel's own or without a skin, in the panel's text colour.
void TsPanel::writeCaption(QPainter& painter, bool inSkinColours) const
{
    if (m_caption.isEmpty())
        return;
    painter.setFont(font());
    const int textHeight = textExtent(font(), QStringLiteral("W")).height();
    const QRect client = contentsRect();
    QRect caption(client.left(), (client.top() + client.bottom() + 1 - textHeight) / 2, client.width(), textHeight);
    const TextFlags flags = alignmentTextFlags(m_alignment);
    if (inSkinColours) {
        writeSkinText(SkinData.skin(), painter, m_caption,
                      {SkinData.skinIndex(), isEnabled(), false, flags | TextFlag::NoPrefix}, caption);
    } else {
        painter.setPen(palette().color(QPalette::WindowText));
        writePlainText(painter, m_caption, isEnabled(), flags, caption);
    }
}

void TsPanel::paintEvent(QPaintEvent* event)
{
    if (!skinActive()) {
        QFrame::paintEvent(event);
        QPainter painter(this);
        writeCaption(painter, false);
        return;
    }
    if (SkinData.suspended())
        return;
    if (SkinData.cacheOutdated())
        rebuildCache();
    // A painter on the cache is opened only for a receiver.
    if (isSignalConnected(QMetaMethod::fromSignal(&TsPanel::painting))) {
        QPainter canvas(&SkinData.cache());
        emit painting(this, canvas);
    }
    QPainter painter(this);
    SkinData.copyCacheToWindow(this, painter, rect());
    paintGraphicChildren(this, painter, {&SkinData.cache(), 0, 0, true});
}

bool TsPanel::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange: SkinData.invalidate(); break;
    default: break;
    }
    return handleWithCache(event, [this] {
        if (skinActive())
            rebuildCache();
    });
}
