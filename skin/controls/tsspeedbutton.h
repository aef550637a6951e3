#pragma once

#include "skin/controls/glyphbuttonproperties.h"
#include "skin/controls/skinned.h"
#include "skin/core/controlstate.h"
#include "skin/core/disabledkind.h"

#include <QImage>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

#include <optional>

class TsAnimTimer;

enum class TsButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// A tool button, as toolbars and the table navigator use. While a skin is in force it paints its
// section ("SPEEDBUTTON") over its container's face, with its glyph and caption laid out by the
// glyph layout rules; otherwise it is the platform's tool button.
class TsSpeedButton : public Skinned<TsSpeedButton, QToolButton, ControlKind::SpeedButton>,
                      public GlyphButtonProperties {
    Q_OBJECT

public:
    explicit TsSpeedButton(QWidget* parent = nullptr);

    using GlyphButtonProperties::setLayout;

    TsButtonStyle ButtonStyle() const { return m_style; }
    void setButtonStyle(TsButtonStyle style);
    QMenu* DropdownMenu() const { return m_dropdownMenu; }
    void setDropdownMenu(QMenu* menu) { m_dropdownMenu = menu; }

    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);

    bool skinActive() const;
    // Pressed while down or checked.
    ControlState shownState() const;
    // The face as painting puts it on the screen.
    QImage skinImage();

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Look {
        // None until the first paint, so that it differs from any state.
        std::optional<ControlState> state;
        bool enabled = true;
        bool menuShown = false;
        QString text;
        QSize size;
        bool operator==(const Look&) const = default;
    };
    Look currentLook() const;
    int dropDownWidth() const;
    void rebuildCache();
    void paintParentBackground(QImage& cache, const TsCacheInfo& parent) const;
    void paintDivider(QImage& cache, const TsCacheInfo& parent) const;
    void paintDropDownPart(QImage& cache, const TsCacheInfo& parent) const;
    void stopFading();
    void repaintThroughParent();
    void showDropDown();

    TsButtonStyle m_style = TsButtonStyle::tbsButton;
    QPointer<QMenu> m_dropdownMenu;
    TsDisabledKind m_disabledKind = dkBlended;
    bool m_menuShown = false;
    Look m_paintedLook;
    TsAnimTimer* m_fadeTimer = nullptr;
};
