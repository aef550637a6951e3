#include "skin/controls/frameimage.h"

#include "skin/controls/containerpaint.h"
#include "skin/controls/framelayout.h"
#include "skin/core/maskpaint.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/regioncorners.h"
#include "skin/core/skintext.h"
#include "skin/core/tscommondata.h"

#include "platform/metrics.h"

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>

namespace {

constexpr QRgb iconKey = 0xFF00FF; // magenta, the same in either byte order

const QString formTitle = QStringLiteral("FORMTITLE");
const QString bordersMask = QStringLiteral("BORDERSMASK");

// Draws one state image of a mask with its top-left corner at `at`; a faint one lets half of what
// lies below show through.
void paintMaskImage(const SkinTables& skin, QImage& target, int maskIndex, ControlState state, QPoint at, bool faint)
{
    if (!skin.isValidMaskIndex(maskIndex))
        return;
    const MaskStateImage image = maskStateImage(skin.masks[maskIndex], state, skin.masterBitmap);
    if (!image.isValid())
        return;
    CellCopyOptions keyTransparent;
    keyTransparent.skipKeyPixels = true;
    auto draw = [&image, &keyTransparent](QImage& onto, QPoint position) {
        if (image.hasMaskHalf())
            maskCopy(onto, position, image, image.rect);
        else
            keyCopy(onto, position, *image.picture, image.rect, keyTransparent);
    };
    if (!faint) {
        draw(target, at);
        return;
    }
    QImage layer = target.copy(QRect(at, image.rect.size()));
    draw(layer, QPoint(0, 0));
    regionBlend(target, layer, 128, at, layer.rect());
}

// The window's icon as the title shows it: the given glyph with its magenta transparent, or else
// the window's (and so the application's) icon, or the platform's.
QImage iconPicture(const TsTitleIcon& titleIcon, const QWidget* form, int size)
{
    if (!titleIcon.Glyph.isNull()) {
        QImage glyph = titleIcon.Glyph.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < glyph.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(y));
            for (int x = 0; x < glyph.width(); ++x)
                if ((row[x] & 0xFFFFFF) == iconKey)
                    row[x] = 0;
        }
        return glyph;
    }
    // A window without an icon of its own shows the application's.
    QIcon icon = form->windowIcon();
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    return icon.pixmap(size, size).toImage();
}

} // namespace

FrameImage::FrameImage(QWidget* form, TsCommonData& skin, FrameLayout& layout)
    : m_form(form),
      m_skin(skin),
      m_layout(layout),
      m_caption(form->windowTitle())
{}

void FrameImage::lookUpIndexes()
{
    const int section = m_skin.skinIndex();
    const QString& name = m_skin.SkinSection();
    m_restoreMask = section >= 0 ? m_skin.skin().FindMask(section, name, QStringLiteral("BICONNORM")) : -1;
    m_gripMask = section >= 0 ? m_skin.skin().FindMask(section, name, QStringLiteral("GRIPIMAGE")) : -1;
    m_titleBarMask = section >= 0 ? m_skin.skin().FindMask(section, name, QStringLiteral("TITLEBAR")) : -1;
    m_userButtonMask = section >= 0 ? m_skin.skin().FindMask(section, name, QStringLiteral("TITLEBUTTON")) : -1;
    m_titleSection = m_skin.skin().FindSection(formTitle);
    m_titleBorderMask = m_titleSection >= 0 ? m_skin.skin().FindMask(m_titleSection, formTitle, bordersMask) : -1;
    m_menuLineSection = m_skin.skin().FindSection(QStringLiteral("MENULINE"));
    m_titleBackground = QImage();
}

const QImage& FrameImage::current(bool painted)
{
    if (m_skin.cacheOutdated(m_skin.cache().size() != imageSize()))
        rebuild(painted);
    return m_skin.cache();
}

QImage FrameImage::menuBarBackground() const
{
    const QMenuBar* bar = m_layout.menuBar();
    if (!bar || !bar->isVisibleTo(m_form))
        return QImage();
    const QRect band = bar->geometry();
    if (!m_skin.cache().rect().contains(band))
        return QImage();
    return m_skin.cache().copy(band);
}

void FrameImage::rebuild(bool painted)
{
    m_form->layout()->activate();
    QImage& image = m_skin.cache();
    if (image.size() != imageSize() || image.format() != QImage::Format_BGR888)
        image = QImage(imageSize(), QImage::Format_BGR888);
    m_skin.markPainted();
    if (!painted || image.isNull())
        return;
    // An active window shows its frame and title in their hot look.
    const ControlState state = m_active ? ControlState::Hot : ControlState::Normal;
    const bool minimized = m_form->isMinimized();
    const int x = m_layout.frameWidth();
    const int y = m_layout.frameWidth();
    const QRect whole = image.rect();
    paintItem(m_skin.skin(), image, whole,
              {.sectionIndex = m_skin.skinIndex(), .sectionName = m_skin.SkinSection(), .state = state});
    if (m_gripPainted && m_skin.skin().isValidMaskIndex(m_gripMask) && !minimized) {
        const QSize grip = m_skin.skin().stateImageSize(m_gripMask);
        paintMaskImage(m_skin.skin(), image, m_gripMask, ControlState::Normal,
                       QPoint(whole.width() - x - grip.width(), whole.height() - y - grip.height()), false);
    }
    paintItem(m_skin.skin(), image, QRect(0, 0, whole.width(), m_layout.titleHeight() + y),
              {.sectionIndex = m_titleSection, .sectionName = formTitle, .state = state});
    paintIcon(image);
    if (m_skin.skin().isValidMaskIndex(m_titleBarMask))
        paintMaskImage(m_skin.skin(), image, m_titleBarMask, state,
                       QPoint(whole.width() - m_skin.skin().stateImageSize(m_titleBarMask).width(), 0), false);
    if (const QMenuBar* bar = m_layout.menuBar(); bar && bar->isVisibleTo(m_form) && !minimized)
        paintSectionBackground(m_skin.skin(), image, bar->geometry(),
                               {.sectionIndex = m_menuLineSection, .sectionName = QStringLiteral("MENULINE")});
    if (!minimized)
        paintTitleButtons(image);
    paintCaption(image);
}

QSize FrameImage::imageSize() const
{
    // A minimised window shows no more than its title.
    return m_form->isMinimized() ? QSize(metrics::minimizedFrameWidth, m_layout.titleHeight()) : m_form->size();
}

void FrameImage::paintIcon(QImage& image)
{
    if (!m_layout.iconShown() || m_form->isMinimized())
        return;
    const TsTitleIcon& titleIcon = m_layout.titleIcon();
    const int size = m_layout.iconSize();
    const int width = titleIcon.Width ? titleIcon.Width : size;
    const int height = titleIcon.Height ? titleIcon.Height : size;
    const int frame = m_layout.frameWidth();
    const QRect place(frame, (frame + m_layout.titleHeight() - height) / 2, width, height);
    // Rendering an icon (the platform's is decoded from a file each time) costs as much as the
    // rest of the frame; it is done again only when the icon or its size changes.
    const IconKey key{titleIcon.Glyph.cacheKey(), m_form->windowIcon().cacheKey(), std::max(width, height)};
    if (m_iconPicture.isNull() || key != m_iconKey) {
        m_iconPicture = iconPicture(titleIcon, m_form, key.size);
        m_iconKey = key;
    }
    QPainter painter(&image);
    painter.drawImage(place, m_iconPicture);
}

void FrameImage::paintTitleButtons(QImage& image)
{
    const QSize size = m_layout.buttonSize();
    m_titleBackgroundRect = QRect(0, m_layout.slotRect(0).top(), image.width(), size.height());
    m_titleBackground = image.copy(m_titleBackgroundRect);
    for (int index = 0; index < titleButtonCount; ++index)
        if (m_layout.titleButtonShown(TitleButton(index)))
            paintTitleButton(image, TitleButton(index));
    m_layout.placeUserButtons();
    for (int index = 0; index < m_layout.titleButtons().size(); ++index)
        paintUserButton(image, index);
}

void FrameImage::paintUserButton(QImage& image, int index)
{
    const TsTitleButton& button = m_layout.titleButtons()[index];
    const QRect& rect = button.rect;
    if (rect.isEmpty())
        return;
    if (!m_titleBackground.isNull())
        copyBlock(image, rect.topLeft(), m_titleBackground,
                  QRect(rect.topLeft() - m_titleBackgroundRect.topLeft(), rect.size()));
    if (button.UseSkinData)
        paintMaskImage(m_skin.skin(), image, m_userButtonMask, button.state, rect.topLeft(),
                       button.state == ControlState::Normal && !m_active);
    if (!button.Glyph.isNull()) {
        QImage glyph = button.Glyph.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = glyph.pixel(0, glyph.height() - 1);
        for (int gy = 0; gy < glyph.height(); ++gy)
            for (int gx = 0; gx < glyph.width(); ++gx)
                if (glyph.pixel(gx, gy) == key)
                    glyph.setPixel(gx, gy, 0);
        QPainter painter(&image);
        painter.drawImage(rect.center() - QPoint(glyph.width() / 2, glyph.height() / 2) + QPoint(1, 1), glyph);
    }
}

void FrameImage::paintTitleButton(QImage& image, TitleButton button)
{
    const QRect rect = m_layout.titleButtonRect(button);
    if (!m_titleBackground.isNull())
        copyBlock(image, rect.topLeft(), m_titleBackground,
                  QRect(rect.topLeft() - m_titleBackgroundRect.topLeft(), rect.size()));
    const ControlState state = m_buttonStates[int(button)];
    int mask = m_layout.buttonMask(button);
    if (button == TitleButton::Maximize && m_form->isMaximized() && m_skin.skin().isValidMaskIndex(m_restoreMask))
        mask = m_restoreMask;
    const bool faint = (state == ControlState::Normal && !m_active) || !m_layout.buttonEnabled(button);
    paintMaskImage(m_skin.skin(), image, mask, state, rect.topLeft(), faint);
}

void FrameImage::paintCaption(QImage& image)
{
    QRect rect = m_layout.captionRect(image.width());
    if (rect.isNull())
        return;
    QFont font = m_form->font();
    font.setBold(true);
    QPainter painter(&image);
    painter.setFont(font);
    const TextFlags flags = alignmentTextFlags(m_captionAlignment) | TextFlag::NoPrefix;
    writeSkinText(m_skin.skin(), painter, shortenText(font, m_caption, rect.width()),
                  {.sectionIndex = m_titleSection, .enabled = m_form->isEnabled(), .hot = m_active, .flags = flags},
                  rect);
}

void FrameImage::setButtonState(TitleButton button, ControlState state)
{
    ControlState& current = m_buttonStates[int(button)];
    if (current == state)
        return;
    current = state;
    // Only the button is drawn again, over the title behind it, unless the whole frame is due.
    if (m_skin.stale() || m_titleBackground.isNull() || !m_layout.titleButtonShown(button))
        return;
    paintTitleButton(m_skin.cache(), button);
    m_form->update(m_layout.titleButtonRect(button));
}

void FrameImage::setUserButtonState(int index, ControlState state)
{
    TsTitleButtons& buttons = m_layout.titleButtons();
    if (index < 0 || index >= buttons.size())
        return;
    TsTitleButton& button = buttons[index];
    if (button.state == state)
        return;
    button.state = state;
    if (m_skin.stale() || m_titleBackground.isNull() || button.rect.isEmpty())
        return;
    paintUserButton(m_skin.cache(), index);
    m_form->update(button.rect);
}

void FrameImage::resetButtonStates()
{
    m_buttonStates.fill(ControlState::Normal);
}

void FrameImage::updateShapeIfStale()
{
    if (!m_shapeStale)
        return;
    m_shapeStale = false;
    const int width = m_form->width();
    const int height = m_form->height();
    const SkinTables& skin = m_skin.skin();
    QList<QRect> cut;
    if (const TsMaskData* border = m_skin.borderMask()) {
        const TsMaskData& mask = *border;
        const int imageHeight = maskStateImage(mask, ControlState::Normal, skin.masterBitmap).rect.height();
        const int bottomRows = imageHeight - 2 * maskCellSize(mask).height();
        collectCornerRegion(skin, cut, width, mask, FrameCorners::Top, 0);
        collectCornerRegion(skin, cut, width, mask, FrameCorners::Bottom, height - bottomRows);
    }
    if (skin.isValidMaskIndex(m_titleBorderMask))
        collectCornerRegion(skin, cut, width, skin.masks[m_titleBorderMask], FrameCorners::Top, 0);
    QRegion region(0, 0, width, height);
    for (const QRect& rect : cut)
        region -= rect;
    if (region != m_form->mask())
        m_form->setMask(region);
}
