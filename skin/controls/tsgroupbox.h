#pragma once

#include "skin/controls/skinned.h"

#include <QGroupBox>
#include <QString>

enum TsCaptionLayout { clTopLeft, clTopCenter, clTopRight };

// A framed box with a caption that groups controls. While a skin is in force it keeps its face
// (the section's background, the border mask as its frame, the caption) in its cache, rebuilt only
// when its background changed, and paints the windowless controls on it over that face.
class TsGroupBox : public Skinned<TsGroupBox, QGroupBox, ControlKind::GroupBox> {
    Q_OBJECT

public:
    explicit TsGroupBox(QWidget* parent = nullptr);

    TsCaptionLayout CaptionLayout() const { return m_captionLayout; }
    void setCaptionLayout(TsCaptionLayout layout);
    // Kept for the skins and windows that set it; the caption does not move with it.
    int CaptionYOffset() const { return m_captionYOffset; }
    void setCaptionYOffset(int offset);

    // Where the skinned caption stands; the frame line stops at it.
    QRect captionRect() const;
    // The face as the next paint puts it on the screen, rebuilt first when it is stale.
    const QImage& skinImage();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool skinActive() const;
    void rebuildCache();
    void paintFrame(QImage& face, const TsCacheInfo& parentCache);

    TsCaptionLayout m_captionLayout = clTopLeft;
    int m_captionYOffset = 0;
    // The caption the cache was built with: a new title makes the cache stale.
    QString m_paintedTitle;
};
