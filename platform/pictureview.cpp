#include "platform/pictureview.h"

#include "platform/apperror.h"
#include "platform/messagebox.h"

#include <QMouseEvent>
#include <QPainter>

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{}

void PictureView::setPicture(const QImage& picture)
{
    setPicture(Picture::fromImage(picture));
}

void PictureView::setPicture(const Picture& picture)
{
    picture_ = picture;
    update();
}

void PictureView::setProportional(bool proportional)
{
    proportional_ = proportional;
    update();
}

QSize PictureView::fitInside(const QSize& picture, const QSize& area)
{
    const int width = picture.width();
    const int height = picture.height();
    if (width <= 0 || height <= 0 || (width <= area.width() && height <= area.height()))
        return picture;
    const double aspect = double(width) / double(height);
    double fittedWidth;
    double fittedHeight;
    if (width > height) {
        fittedWidth = area.width();
        fittedHeight = area.width() / aspect;
        if (fittedHeight > area.height()) {
            fittedHeight = area.height();
            fittedWidth = area.height() * aspect;
        }
    } else {
        fittedHeight = area.height();
        fittedWidth = area.height() * aspect;
        if (fittedWidth > area.width()) {
            fittedWidth = area.width();
            fittedHeight = area.width() / aspect;
        }
    }
    return {static_cast<int>(fittedWidth), static_cast<int>(fittedHeight)};
}

QSize PictureView::drawnSize() const
{
    return proportional_ ? fitInside(picture_.size(), size()) : picture_.size();
}

void PictureView::paintEvent(QPaintEvent*)
{
    QImage image;
    try {
        image = picture_.image();
    } catch (const AppError& error) {
        // A message box inside a paint would paint this view again from its own event loop.
        QMetaObject::invokeMethod(
            this, [message = error.message()] { showDefaultError(message); }, Qt::QueuedConnection);
    }
    if (image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (proportional_)
        painter.drawImage(QRect(QPoint(0, 0), drawnSize()), image);
    else
        painter.drawImage(QPoint(0, 0), image);
}

void PictureView::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event->button());
    QWidget::mousePressEvent(event);
}
