#include "app/picture_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

PictureButton::PictureButton(int tag, QWidget* parent) : QAbstractButton(parent) {
    setProperty("Tag", tag);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
}

int PictureButton::tag() const {
    return property("Tag").toInt();
}

void PictureButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

QSize PictureButton::sizeHint() const {
    return picture_.isNull() ? QSize(100, 33) : picture_.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPoint offset = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawPixmap(offset, picture_);
    if (underMouse_ || hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 170, 40, underMouse_ ? 220 : 140), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    emit hovered(tag());
    QAbstractButton::mouseMoveEvent(event);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    underMouse_ = true;
    update();
    emit hovered(tag());
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    underMouse_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
