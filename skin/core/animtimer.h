#pragma once

#include "skin/core/fadetimer.h"

// For windowless speed buttons: each intermediate image is kept in `frameImage`, and the button,
// while it has this timer, paints that image instead of its cache. Its parent is told which child
// is being repainted.
class TsAnimTimer : public TsFadeTimer {
    Q_OBJECT
public:
    explicit TsAnimTimer(QWidget* owner);

    QImage frameImage;

protected:
    void showImage(const QImage& image) override;
    // A failing step only loses one intermediate image; the user is not told.
    void onTimeout() override;
};
