#pragma once

#include "skin/core/fadetimer.h"

// For windowless speed buttons: as the fade timer, but the button is repainted through its parent,
// which is told which child is being repainted.
class TsAnimTimer : public TsFadeTimer {
    Q_OBJECT
public:
    explicit TsAnimTimer(QWidget* owner);

protected:
    void showImage(const QImage& image) override;
    // A failing step only loses one intermediate image; the user is not told.
    void onTimeout() override;
};
