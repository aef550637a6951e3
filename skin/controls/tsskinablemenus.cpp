#include "skin/controls/tsskinablemenus.h"

#include "skin/controls/menuitemdrawhandler.h"
#include "skin/controls/menustyle.h"
#include "skin/core/frame3d.h"
#include "skin/core/paintmarks.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/paintsection.h"
#include "skin/core/skininforce.h"
#include "skin/core/skintext.h"
#include "skin/core/tsskinmanager.h"

#include "platform/colors.h"
#include "platform/metrics.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPainter>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace {

constexpr int defaultGlyphSide = 16;
// The shortcut text ends this far before an item's right edge.
constexpr int shortcutGap = 8;
// A caption that starts with a backspace is right-aligned, kept this far off the edge.
const QString backspaceCaptionPadding = QStringLiteral("      ");

const QString popupSection = QStringLiteral("MAINMENU");
const QString itemSection = QStringLiteral("MENUITEM");
const QString barSection = QStringLiteral("MENULINE");

TsSkinableMenus::MenuBarBackground& barBackgroundSource()
{
    static TsSkinableMenus::MenuBarBackground source;
    return source;
}

// Qt hands an item's caption and shortcut over as one text, split by a tab.
struct ItemText {
    QString caption;
    QString shortcut;
};

ItemText splitText(const QString& text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return {text, {}};
    return {text.left(tab), text.mid(tab + 1)};
}

// The caption as it shows with mnemonic marks hidden: "&&" is one "&", a lone "&" goes.
QString withoutMnemonics(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        else if (caption[i] == QLatin1Char('&'))
            continue;
        shown += caption[i];
    }
    return shown;
}

int textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).size(Qt::TextSingleLine | Qt::TextExpandTabs, text).width();
}

// A quarter more than the height of a line, halves rounded to even.
int lineHeight(const QFont& font)
{
    return divRoundEven(5 * textExtent(font, QStringLiteral("W")).height(), 4);
}

QFont itemFont(const QStyleOptionMenuItem& item)
{
    QFont font = item.font;
    font.setBold(item.menuItemType == QStyleOptionMenuItem::DefaultItem);
    return font;
}

bool isHot(const QStyleOptionMenuItem& item)
{
    return item.state & (QStyle::State_Selected | QStyle::State_Sunken);
}

bool isEnabled(const QStyleOptionMenuItem& item)
{
    return item.state & QStyle::State_Enabled;
}

} // namespace

TsSkinableMenus::TsSkinableMenus(TsSkinManager* manager)
    : m_manager(manager),
      m_style(std::make_unique<MenuStyle>(*this)),
      m_skin(noSkin())
{}

TsSkinableMenus::~TsSkinableMenus()
{
    // No menu may keep a style that goes with the skinner.
    if (QCoreApplication::instance()) {
        for (QWidget* widget : QApplication::allWidgets())
            unskin(widget);
    }
}

void TsSkinableMenus::setMenuBarBackground(MenuBarBackground source)
{
    barBackgroundSource() = std::move(source);
}

bool TsSkinableMenus::paintsMenus() const
{
    return m_skinned && skinData().ready;
}

void TsSkinableMenus::skinApplied()
{
    m_skin = skinInForce();
    forgetBackgrounds();
    if (m_skinned)
        repaintSkinnedMenus();
    else
        setSkinned(true);
}

void TsSkinableMenus::skinRemoved()
{
    m_skin = noSkin();
    forgetBackgrounds();
    setSkinned(false);
}

void TsSkinableMenus::setPopupsSkinned(bool)
{
    if (!m_skinned)
        return;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (qobject_cast<QMenu*>(widget))
            applyTo(widget);
    }
}

void TsSkinableMenus::menuAdded(QWidget* menu)
{
    if (m_skinned)
        applyTo(menu);
}

void TsSkinableMenus::menuRemoved(QObject* menu)
{
    m_barBackgrounds.remove(menu);
}

void TsSkinableMenus::setSkinned(bool skinned)
{
    if (skinned == m_skinned)
        return;
    m_skinned = skinned;
    for (QWidget* widget : QApplication::allWidgets())
        applyTo(widget);
}

void TsSkinableMenus::applyTo(QWidget* menu)
{
    if (auto* bar = qobject_cast<QMenuBar*>(menu)) {
        if (m_skinned)
            skinBar(bar);
        else
            unskin(bar);
    } else if (auto* popup = qobject_cast<QMenu*>(menu)) {
        if (m_skinned && m_manager->SkinnedPopups())
            skinPopup(popup);
        else
            unskin(popup);
    }
}

void TsSkinableMenus::skinBar(QMenuBar* bar)
{
    // The skin's drawing replaces a top-level item's own.
    for (QAction* item : bar->actions())
        setMenuItemDrawHandler(item, {});
    if (bar->style() != m_style.get())
        bar->setStyle(m_style.get());
    bar->window()->installEventFilter(this);
}

void TsSkinableMenus::skinPopup(QMenu* menu)
{
    if (menu->style() != m_style.get())
        menu->setStyle(m_style.get());
}

void TsSkinableMenus::unskin(QWidget* menu)
{
    if (menu->style() != m_style.get())
        return;
    menu->setStyle(nullptr);
    if (qobject_cast<QMenuBar*>(menu))
        menu->window()->removeEventFilter(this);
}

void TsSkinableMenus::forgetBackgrounds()
{
    m_popupBackgrounds.clear();
    m_barBackgrounds.clear();
}

void TsSkinableMenus::repaintSkinnedMenus()
{
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->style() != m_style.get())
            continue;
        // Item sizes measured while the skin could not be painted are measured again.
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &styleChange);
        widget->update();
    }
}

bool TsSkinableMenus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* window = qobject_cast<QWidget*>(watched);
    if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::NoModifier || !window)
        return false;
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        if (bar->style() != m_style.get() || !bar->isVisible())
            continue;
        // The bar enters keyboard mode the way it does for Alt tapped alone.
        QWidget* receiver = QApplication::focusWidget() && QApplication::focusWidget()->window() == window
                                ? QApplication::focusWidget()
                                : window;
        QKeyEvent altOverride(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        altOverride.ignore();
        QCoreApplication::sendEvent(receiver, &altOverride);
        QKeyEvent altPressed(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(receiver, &altPressed);
        QKeyEvent altReleased(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(receiver, &altReleased);
        return true;
    }
    return false;
}

TsMenuItemType TsSkinableMenus::itemKind(const QStyleOptionMenuItem& item, bool inBar)
{
    if (inBar)
        return smTopLine;
    const QString caption = splitText(item.text).caption;
    if (item.menuItemType == QStyleOptionMenuItem::Separator || caption == QLatin1String("-"))
        return smDivider;
    if (caption.size() > 2 && caption.startsWith(QLatin1Char('-')) && caption.endsWith(QLatin1Char('-')))
        return smCaption;
    return smNormal;
}

QAction* TsSkinableMenus::itemAt(const QWidget* menu, const QRect& rect)
{
    if (const auto* popup = qobject_cast<const QMenu*>(menu))
        return popup->actionAt(rect.center());
    if (const auto* bar = qobject_cast<const QMenuBar*>(menu))
        return bar->actionAt(rect.center());
    return nullptr;
}

QSize TsSkinableMenus::glyphSize(const QStyleOptionMenuItem& item)
{
    const QSize standard(defaultGlyphSide, defaultGlyphSide);
    if (item.icon.isNull())
        return standard;
    return item.icon.availableSizes().value(0, standard);
}

QSize TsSkinableMenus::popupItemSize(const QStyleOptionMenuItem& item) const
{
    const TsMenuItemType kind = itemKind(item, false);
    const QSize glyph = glyphSize(item);
    const ItemText text = splitText(item.text);
    QString measured;
    if (kind == smCaption)
        measured = QLatin1Char('-') + text.caption + QLatin1Char('-');
    else if (kind == smNormal)
        measured =
            withoutMnemonics(text.caption) + (text.shortcut.isEmpty() ? QString() : QLatin1Char('\t') + text.shortcut);
    const int width = 2 * glyph.width() + textWidth(item.font, measured) + 3 * Margin;
    switch (kind) {
    case smDivider: return {width, 2};
    case smCaption: return {width, lineHeight(item.font) + 2 * Margin};
    default: return {width, std::max(lineHeight(item.font), glyph.height()) + 2 * Margin};
    }
}

QSize TsSkinableMenus::barItemSize(const QStyleOptionMenuItem& item, const QSize& proposed) const
{
    const ItemText text = splitText(item.text);
    int width = textWidth(item.font, text.caption + text.shortcut);
    if (text.caption.contains(QLatin1Char('&')))
        width -= textWidth(item.font, QStringLiteral("&"));
    return {std::max(width, proposed.width()), metrics::menuBarHeight - 1};
}

QImage TsSkinableMenus::popupBackground(const QMenu* menu)
{
    const QList<QAction*> items = menu->actions();
    if (items.isEmpty())
        return {};
    QSize size(0, 0);
    for (QAction* item : items) {
        const QRect place = menu->actionGeometry(item);
        size = QSize(std::max(size.width(), place.width()), size.height() + place.height());
    }
    m_popupBackgrounds.removeIf([](const PopupBackground& entry) { return entry.firstItem.isNull(); });
    auto found = std::find_if(m_popupBackgrounds.begin(), m_popupBackgrounds.end(),
                              [&](const PopupBackground& entry) { return entry.firstItem == items.first(); });
    if (found != m_popupBackgrounds.end() && found->bitmap.size() == size)
        return found->bitmap;
    QImage bitmap(size, QImage::Format_BGR888);
    if (bitmap.isNull())
        return {};
    solidFill(bitmap, bitmap.rect(), clWhite);
    paintSectionBackground(*m_skin, bitmap, bitmap.rect(), {m_skin->FindSection(popupSection), popupSection});
    if (found != m_popupBackgrounds.end())
        found->bitmap = bitmap;
    else
        m_popupBackgrounds.append({items.first(), bitmap});
    return bitmap;
}

QImage TsSkinableMenus::barBackground(const QMenuBar* bar)
{
    if (const MenuBarBackground& source = barBackgroundSource()) {
        const QImage band = source(bar->window());
        if (band.width() >= bar->width() && band.height() >= bar->height())
            return band;
    }
    QImage& band = m_barBackgrounds[bar];
    if (band.size() != bar->size()) {
        band = QImage(bar->size(), QImage::Format_BGR888);
        if (band.isNull())
            return band;
        solidFill(band, band.rect(), clWhite);
        paintSectionBackground(*m_skin, band, band.rect(), {m_skin->FindSection(barSection), barSection});
    }
    return band;
}

void TsSkinableMenus::drawPopupBackground(QPainter& canvas, const QMenu* menu)
{
    canvas.drawImage(0, 0, popupBackground(menu));
}

void TsSkinableMenus::drawBarBackground(QPainter& canvas, const QMenuBar* bar)
{
    canvas.drawImage(0, 0, barBackground(bar));
}

void TsSkinableMenus::drawDivider(QPainter& canvas, const QRect& rect) const
{
    const int inset = BorderWidth + Margin;
    const QRect line(rect.left() + inset, rect.top(), rect.width() - 2 * inset, 1);
    if (line.width() <= 0)
        return;
    canvas.fillRect(line, toQColor(clGray));
    canvas.fillRect(line.translated(0, 1), toQColor(clWhite));
}

void TsSkinableMenus::drawPopupItem(QPainter& canvas, const QStyleOptionMenuItem& item, const QMenu* menu)
{
    const TsMenuItemType kind = itemKind(item, false);
    if (kind == smDivider)
        drawDivider(canvas, item.rect);
    if (kind != smNormal || item.rect.isEmpty())
        return;
    const QImage background = popupBackground(menu);
    QImage bitmap(item.rect.size(), QImage::Format_BGR888);
    bitmap.fill(Qt::white);
    copyBlock(bitmap, QPoint(0, 0), background, item.rect);
    const int section = m_skin->FindSection(itemSection);
    const bool hot = isHot(item);
    const bool enabled = isEnabled(item);
    paintItem(*m_skin, bitmap, bitmap.rect(),
              {section,
               itemSection,
               {&background, 0, 0, !background.isNull()},
               item.rect.topLeft(),
               hot ? ControlState::Hot : ControlState::Normal});

    const QSize glyph = glyphSize(item);
    const QRect box(Margin, (bitmap.height() - glyph.height()) / 2, glyph.width(), glyph.height());
    const bool checked = item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked;
    if (checked) {
        colorMix(bitmap, box.adjusted(0, 0, -1, -1), 50, clWhite);
        paintFrame3D(bitmap, box, clWhite, 1, clGray);
    }

    QPainter painter(&bitmap);
    if (checked && item.icon.isNull())
        paintCheckMark(painter, box, enabled, clBlack);
    if (!item.icon.isNull()) {
        const int d = (bitmap.height() - glyph.height()) / 2;
        painter.drawPixmap(d, d, item.icon.pixmap(glyph, enabled ? QIcon::Normal : QIcon::Disabled));
    }

    painter.setFont(itemFont(item));
    const ItemText text = splitText(item.text);
    QString caption = withoutMnemonics(text.caption);
    TextFlags flags =
        TextFlag::SingleLine | TextFlag::ExpandTabs | TextFlag::NoClip | TextFlag::NoPrefix | TextFlag::VCenter;
    if (caption.startsWith(QLatin1Char('\b'))) {
        caption = caption.mid(1) + backspaceCaptionPadding;
        flags |= TextFlag::Right;
    } else if (Alignment == CaptionAlignment::Right) {
        flags |= TextFlag::Right;
    } else if (Alignment == CaptionAlignment::Center) {
        flags |= TextFlag::Center;
    }
    const int captionLeft = glyph.width() + 2 * Margin;
    QRect captionRect(captionLeft, 0, bitmap.width() - captionLeft, bitmap.height());
    writeSkinText(*m_skin, painter, caption, {section, enabled, hot, flags}, captionRect);
    if (!text.shortcut.isEmpty()) {
        QRect shortcutRect(captionLeft, 0, bitmap.width() - shortcutGap - captionLeft, bitmap.height());
        writeSkinText(
            *m_skin, painter, text.shortcut,
            {section, enabled, hot, TextFlag::Right | TextFlag::VCenter | TextFlag::SingleLine | TextFlag::NoPrefix},
            shortcutRect);
    }
    if (isSignalConnected(QMetaMethod::fromSignal(&TsSkinableMenus::itemDrawn)))
        emit itemDrawn(itemAt(menu, item.rect), painter, smNormal, item.state, bitmap.rect());
    painter.end();
    canvas.drawImage(item.rect.topLeft(), bitmap);
}

void TsSkinableMenus::drawBarItem(QPainter& canvas, const QStyleOptionMenuItem& item, const QMenuBar* bar)
{
    if (item.rect.isEmpty())
        return;
    const QImage background = barBackground(bar);
    QImage bitmap(item.rect.size(), QImage::Format_BGR888);
    bitmap.fill(Qt::white);
    copyBlock(bitmap, QPoint(0, 0), background, item.rect);
    const bool hot = isHot(item);
    paintItem(*m_skin, bitmap, bitmap.rect(),
              {m_skin->FindSection(itemSection),
               itemSection,
               {&background, 0, 0, !background.isNull()},
               item.rect.topLeft(),
               hot ? ControlState::Hot : ControlState::Normal});

    QPainter painter(&bitmap);
    painter.setFont(itemFont(item));
    TextFlags flags = TextFlag::SingleLine | TextFlag::ExpandTabs | TextFlag::VCenter;
    if (Alignment == CaptionAlignment::Right)
        flags |= TextFlag::Right;
    else if (Alignment == CaptionAlignment::Center)
        flags |= TextFlag::Center;
    const ItemText text = splitText(item.text);
    const int lineSection = m_skin->FindSection(barSection);
    QRect captionRect = bitmap.rect().adjusted(Margin, 0, -Margin, 0);
    writeSkinText(*m_skin, painter, text.caption, {lineSection, isEnabled(item), hot, flags}, captionRect);
    if (!text.shortcut.isEmpty()) {
        QRect shortcutRect(0, 0, bitmap.width() - shortcutGap, bitmap.height());
        writeSkinText(*m_skin, painter, text.shortcut,
                      {lineSection, isEnabled(item), hot, TextFlag::Right | TextFlag::VCenter | TextFlag::SingleLine},
                      shortcutRect);
    }
    if (isSignalConnected(QMetaMethod::fromSignal(&TsSkinableMenus::itemDrawn)))
        emit itemDrawn(itemAt(bar, item.rect), painter, smTopLine, item.state, bitmap.rect());
    painter.end();
    canvas.drawImage(item.rect.topLeft(), bitmap);
}
