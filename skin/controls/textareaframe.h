#pragma once

#include "skin/controls/editframe.h"
#include "skin/controls/ownedscrollbars.h"
#include "skin/controls/sectioncolors.h"
#include "skin/core/disabledkind.h"
#include "skin/core/tscommondata.h"

class QAbstractScrollArea;
class QEvent;

// What a memo, a list and a tree do alike while a skin is in force: the skin's frame takes the
// place of the platform's, skinned bars lie over the platform's, and the frame shows the control's
// hot, focused and enabled state. The control owns one and passes its events through it.
class TextAreaFrame {
public:
    struct Look {
        int width = 2; // of the skin's frame, standing where the platform's was
        OwnedScrollBars::Placement bars;
        // The control paints its items over its face from the cache itself. Otherwise the platform
        // paints the text area in the section's colours, so the face lies under it and the control
        // offers no background to the controls over it: their skin paints them whole.
        bool paintsItems = false;
        // The square between two bars shows the text area's colour rather than the control's face.
        bool cornerInTextColour = false;
    };

    TextAreaFrame(QAbstractScrollArea* control, TsCommonData& skin, Look look);

    // Whether the skin's frame stands in place of the platform's.
    bool skinned() const { return m_skinned; }

    TsDisabledKind disabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);

    OwnedScrollBars& bars() { return m_bars; }
    const OwnedScrollBars& bars() const { return m_bars; }

    // Takes the platform's frame over or gives it back as the skin came or went.
    void followSkin();
    // Rebuilds the cache the frame and the face come from when its background changed.
    void prepareCache() { prepareFrameCache(m_skin, m_disabledKind); }

    // Handles `event` around the control's base handler, which answers it.
    template <class BaseEvent>
    bool event(QEvent* event, BaseEvent&& baseEvent)
    {
        if (takesEvent(event))
            return true;
        const bool wasHot = m_skin.hot();
        const bool answered = baseEvent(event);
        followEvent(event, wasHot);
        return answered;
    }

private:
    bool takesEvent(QEvent* event);
    void followEvent(QEvent* event, bool wasHot);
    void paintFrame();

    QAbstractScrollArea* m_control;
    TsCommonData& m_skin;
    Look m_look;
    TsDisabledKind m_disabledKind = dkBlended;
    bool m_skinned = false;
    PlatformFrame m_own;
    SectionColors m_colors;
    OwnedScrollBars m_bars;
};
