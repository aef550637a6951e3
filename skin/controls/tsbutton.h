#pragma once

#include "skin/controls/skinned.h"
#include "skin/core/controlstate.h"
#include "skin/core/disabledkind.h"

#include <QPointer>
#include <QPushButton>
#include <QRegion>

#include <optional>

class TsFadeTimer;

// A push button. While a skin is in force it paints itself from its section ("BUTTON"): normal,
// hot (focused, under the mouse, or the window's default button) and pressed, in the shape of the
// section's border mask, fading between looks when the section asks for it. Mouse, keyboard and
// screen readers meet the QPushButton underneath either way.
class TsButton : public Skinned<TsButton, QPushButton, ControlKind::Button> {
    Q_OBJECT

public:
    explicit TsButton(QWidget* parent = nullptr);

    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);
    // The focus rectangle is the caption's rectangle grown by this many pixels.
    int FocusMargin() const { return m_focusMargin; }
    void setFocusMargin(int margin) { m_focusMargin = margin; }
    // The button stays drawn pressed, whatever the mouse and keys do.
    bool KeptDown() const { return m_keptDown; }
    void setKeptDown(bool down);
    // Esc in the button's window clicks it, as Enter clicks the default button.
    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }

    // Pressed by the mouse or the space bar, or kept down.
    bool drawnDown() const { return isDown() || m_keptDown; }
    // The default button looks hot while no other push button has the focus.
    bool defaultLook() const;
    // Which image of the border mask is shown, and with it whether hot colours are used.
    ControlState shownState() const;
    bool skinActive() const;
    bool fading() const;
    // How often the face was painted from the skin; a plain repaint only copies it.
    int cacheRebuilds() const { return m_cacheRebuilds; }

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // The part of the face over the section and its border: the caption and the focus rectangle.
    // A button with a glyph lays out both its own way.
    virtual void paintContent(QImage& cache, ControlState state);
    // The font colours are the section's hot ones.
    bool hotText(ControlState state) const { return looksHot(state) || defaultLook() || m_keptDown; }
    int32_t parentColor() const;

private:
    // Everything the face depends on besides the skin and the parent: a change repaints it.
    struct Look {
        // None until the first paint, so that it differs from any state.
        std::optional<ControlState> state;
        bool focusShown = false;
        bool enabled = true;
        QString text;
        QSize size;
        QFont font;
        bool operator==(const Look&) const = default;
    };
    Look currentLook() const;
    void rebuildCache();
    void fadeTo(bool hot);
    void stopFading();
    bool dialogKey(const QKeyEvent* event) const;
    void watchWindowKeys();

    TsDisabledKind m_disabledKind = dkBlended;
    int m_focusMargin = 1;
    bool m_keptDown = false;
    bool m_cancel = false;
    bool m_mouseDownSeen = false;
    bool m_regionChanged = true;
    Look m_paintedLook;
    TsFadeTimer* m_fadeTimer = nullptr;
    QPointer<QWidget> m_watchedWindow;
    int m_cacheRebuilds = 0;
};
