#pragma once

#include "skin/controls/skinned.h"
#include "skin/controls/textareaframe.h"
#include "skin/controls/tsboundlabel.h"

#include <QPlainTextEdit>

class TsScrollBar;

// A text box of several lines. While a skin is in force its frame and scroll bars come from the
// skin and its text area takes the section's colours; the platform still edits, scrolls and
// paints the text.
class TsMemo : public Skinned<TsMemo, QPlainTextEdit, ControlKind::Memo> {
    Q_OBJECT

public:
    explicit TsMemo(QWidget* parent = nullptr);

    // The caption the control can carry; off unless activated.
    TsBoundLabel BoundLabel{this};

    TsDisabledKind DisabledKind() const { return m_frame.disabledKind(); }
    void setDisabledKind(TsDisabledKind kind) { m_frame.setDisabledKind(kind); }

    // The skinned bar laid over the platform's bar of that direction, none until one was needed.
    TsScrollBar* skinnedScrollBar(Qt::Orientation orientation) const { return m_frame.bars().bar(orientation); }

protected:
    bool event(QEvent* event) override;

private:
    TextAreaFrame m_frame;
};
