#pragma once

#include <QImage>
#include <QWidget>

// A picture drawn from the top-left corner of the view. In proportional mode a picture larger
// than the view is scaled down to fit with its proportions kept; it is never scaled up.
class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

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
    QImage picture_;
    bool proportional_ = false;
};
