#pragma once

#include "skin/controls/tseditlabel.h"

#include <QObject>
#include <QPointer>
#include <QString>

// The caption of a text, list or tree control, kept beside or above it: while active it owns one
// label on the control's parent that follows the control's place, visibility, enabled state and
// reading order.
class TsBoundLabel : public QObject {
    Q_OBJECT

public:
    // Where the caption stands: left of the control and centred on it, or just above it and
    // aligned to its left edge, its middle or its right edge.
    enum Layout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

    explicit TsBoundLabel(QWidget* control);
    ~TsBoundLabel() override;

    bool Active() const { return m_label != nullptr; }
    void setActive(bool active);
    // Empty shows the control's name.
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    Layout layout() const { return m_layout; }
    void setLayout(Layout layout);
    // Not 0: the caption has this width and wraps its words.
    int MaxWidth() const { return m_maxWidth; }
    void setMaxWidth(int width);

    TsEditLabel* label() const { return m_label; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrange();

    QWidget* m_control;
    QPointer<TsEditLabel> m_label;
    QString m_caption;
    Layout m_layout = sclLeft;
    int m_maxWidth = 0;
};
