#pragma once

#include "skin/controls/skinned.h"
#include "skin/controls/tsboundlabel.h"
#include "skin/core/disabledkind.h"

#include <QLineEdit>
#include <QMargins>

// A one-line edit. While a skin is in force its frame comes from the skin; when it is neither
// focused nor under the pointer the skin paints the whole field, text included, and otherwise the
// platform paints the field inside the frame, with caret and selection.
class TsEdit : public Skinned<TsEdit, QLineEdit, ControlKind::Edit> {
    Q_OBJECT

public:
    explicit TsEdit(QWidget* parent = nullptr);

    // The caption the control can carry; off unless activated.
    TsBoundLabel BoundLabel{this};

    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);

    // The text as the skin writes it: a password shows one password character per character.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void followSkin();
    bool reservedBoolean() const;
    // The line the platform writes the text on once the edit is hot or focused.
    QRect platformTextLine() const;

    TsDisabledKind m_disabledKind = dkBlended;
    bool m_skinFrame = false;
    QMargins m_ownMargins;
};
