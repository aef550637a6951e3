#include "skin/controls/tsgroupbox.h"

#include "skin/controls/containerpaint.h"
#include "skin/core/borderpaint.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/skinmessage.h"
#include "skin/core/skintables.h"
#include "skin/core/skintext.h"

#include "skin/controls/groupboxmetrics.h"

#include <QPainter>

#include <algorithm>

TsGroupBox::TsGroupBox(QWidget* parent) : Skinned(parent)
{}

void TsGroupBox::setCaptionLayout(TsCaptionLayout layout)
{
    m_captionLayout = layout;
    SkinData.invalidate();
}

void TsGroupBox::setCaptionYOffset(int offset)
{
    m_captionYOffset = offset;
    SkinData.invalidate();
}

bool TsGroupBox::skinActive() const
{
    return SkinData.skinned() && parentWidget() != nullptr;
}

QRect TsGroupBox::captionRect() const
{
    using namespace metrics::groupBox;
    const int textWidth = textExtent(font(), title()).width();
    const int height =
        std::max(minCaptionTextHeight, textExtent(font(), QStringLiteral("W")).height()) + captionExtraHeight;
    int left = captionLeft;
    if (m_captionLayout == clTopCenter)
        left = (width() - textWidth - centredCaptionSpace) / 2;
    else if (m_captionLayout == clTopRight)
        left = width() - textWidth - rightCaptionSpace;
    left = std::max(left, 0);
    int right = std::min(left + textWidth + captionPadding, width());
    if (right - left < 2 * bevelWidth) {
        left -= bevelWidth;
        right += bevelWidth;
    }
    return QRect(left, 0, right - left, height);
}

const QImage& TsGroupBox::skinImage()
{
    if (SkinData.cacheOutdated(title() != m_paintedTitle))
        rebuildCache();
    return SkinData.cache();
}

void TsGroupBox::rebuildCache()
{
    SkinData.prepareCacheBitmap();
    QImage& face = SkinData.cache();
    m_paintedTitle = title();
    SkinData.markPainted();
    if (face.isNull())
        return;
    const TsCacheInfo parentCache = SkinData.parentCache();
    paintSectionBackground(SkinData.skin(), face, face.rect(),
                           {.sectionIndex = SkinData.skinIndex(),
                            .sectionName = SkinData.SkinSection(),
                            .parentCache = parentCache,
                            .position = pos()});
    paintFrame(face, parentCache);
    if (title().isEmpty() || SkinData.section()->reservedBoolean)
        return;
    QPainter painter(&face);
    painter.setFont(font());
    QRect caption = captionRect();
    writeSkinText(SkinData.skin(), painter, title(),
                  {.sectionIndex = SkinData.skinIndex(),
                   .flags = TextFlag::Center | TextFlag::VCenter | TextFlag::SingleLine | TextFlag::NoPrefix},
                  caption);
}

// A skin whose frame is a picture of its own has no gap for a caption: such a box with a caption
// goes without a frame.
void TsGroupBox::paintFrame(QImage& face, const TsCacheInfo& parentCache)
{
    if (!SkinData.borderMask())
        return;
    const TsMaskData& mask = *SkinData.borderMask();
    const bool captioned = !title().isEmpty();
    if (captioned && mask.hasOwnImage())
        return;
    QRect border = face.rect();
    const QRect caption = captionRect();
    QImage underCaption;
    if (captioned) {
        underCaption = face.copy(caption);
        border.setTop(caption.height() / 2);
    }
    TsCacheInfo parentAtBorder = parentCache;
    parentAtBorder.x += pos().x() + border.left();
    parentAtBorder.y += pos().y() + border.top();
    paintBorderMask(face, border, borderTiles(SkinData.skin(), mask, ControlState::Normal), BorderPart::Frame,
                    parentAtBorder);
    if (captioned)
        copyBlock(face, caption.topLeft(), underCaption, underCaption.rect());
}

bool TsGroupBox::event(QEvent* event)
{
    const unsigned message = skinMessageOf(event);
    // The controls on the box take their background from its face, which may not have been
    // painted yet.
    if (message == SKM_GETCACHE && skinActive())
        skinImage();
    const bool answered = Skinned::event(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::Move: SkinData.markStale(); break;
    default: break;
    }
    if (message == SKM_SETNEWSKIN || message == SKM_REMOVESKIN || message == SKM_REPAINTCHILD)
        update();
    return answered;
}

void TsGroupBox::paintEvent(QPaintEvent* event)
{
    if (!skinActive()) {
        QGroupBox::paintEvent(event);
        return;
    }
    if (SkinData.updating())
        return;
    SkinData.followVisibleArea();
    const bool stale = SkinData.cacheOutdated(title() != m_paintedTitle);
    if (stale)
        rebuildCache();
    QPainter painter(this);
    SkinData.copyCacheToWindow(this, painter, rect());
    paintGraphicChildren(this, painter, {&SkinData.cache(), 0, 0, true});
    painter.end();
    if (stale)
        sendToChildren(this, SKM_REPAINTCHILD);
}
