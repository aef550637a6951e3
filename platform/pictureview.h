#pragma once

#include "platform/picture.h"

#include <QImage>
#include <QWidget>

// A picture drawn from the top-left corner of the view. In proportional mode a picture larger
// than the view is scaled down to fit with its proportions kept; it is never scaled up. Otherwise
// it is drawn at its own size and a larger one is cut off at the view's edges. A picture whose
// pixels turn out damaged when first drawn is reported once, after the paint, and then shows
// nothing.
class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

    void setProportional(bool proportional);
    bool proportional() const { return proportional_; }

    // The size the picture is drawn at in the current view.
    QSize drawnSize() const;

    static QSize fitInside(const QSize& picture, const QSize& area);

signals:
    void mousePressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Picture picture_;
    bool proportional_ = false;
};
