#include "widgets/ImageView.h"

#include <QMouseEvent>
#include <QPainter>

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::setImage(const QImage& picture) {
    image = picture;
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Scaled programs resample the picture smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawImage(0, 0, image);
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint(), event->button());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->position().toPoint(), event->button());
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}
