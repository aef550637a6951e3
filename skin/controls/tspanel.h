#pragma once

#include "skin/controls/skinned.h"

#include <QFrame>

enum class CaptionAlignment;

// A panel that holds other controls. While a skin is in force it paints its section ("PANEL")
// with its borders and its caption into its cache, and the controls on it find their background
// there; without a skin it is a plain frame with its caption written in the middle.
class TsPanel : public Skinned<TsPanel, QFrame, ControlKind::Panel> {
    Q_OBJECT

public:
    explicit TsPanel(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    CaptionAlignment Alignment() const { return m_alignment; }
    void setAlignment(CaptionAlignment alignment);
    bool skinActive() const;

signals:
    // Sent on every skinned paint with a painter on the cache, before the cache reaches the screen.
    void painting(TsPanel* sender, QPainter& canvas);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuildCache();
    void writeCaption(QPainter& painter, bool inSkinColours) const;

    QString m_caption;
    CaptionAlignment m_alignment;
};
