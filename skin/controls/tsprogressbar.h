#pragma once

#include "skin/controls/skinned.h"

#include <QProgressBar>

// A progress bar that, while a skin is in force, paints its trough from the gauge section
// ("GAUGE") and the part done from "PROGRESSH", with the percentage written in the gauge's font
// colours; without either section it is the platform's progress bar.
class TsProgressBar : public Skinned<TsProgressBar, QProgressBar, ControlKind::Gauge> {
    Q_OBJECT

public:
    explicit TsProgressBar(QWidget* parent = nullptr);

    bool skinActive() const;
    // Where the part done is painted: the trough inside its border, as wide as the share done.
    QRect doneRect() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What the cache shows: a range, value or text other than the painted one makes it stale,
    // however it was set (setRange and reset give no signal).
    struct Look {
        int minimum;
        int maximum;
        int value;
        QString text;
        bool operator==(const Look&) const = default;
    };
    Look look() const;
    void rebuildCache();

    Look m_paintedLook{0, 0, 0, {}};
};
