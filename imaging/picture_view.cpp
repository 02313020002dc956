#include "imaging/picture_view.h"

#include "imaging/picture_file.h"
#include "imaging/placeholder.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

PictureView::PictureView(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void PictureView::setScaling(Scaling scaling) {
    scaling_ = scaling;
    update();
}

void PictureView::setPicture(const QImage& image, const QString& fileName, bool placeholder) {
    loadedFor_ = QSize();
    image_ = image;
    fileName_ = fileName;
    placeholder_ = placeholder;
    update();
}

void PictureView::loadFile(const QString& path) {
    const QSize box = contentsRect().size();
    const PictureRequest request{.fitInto = box, .cover = scaling_ == Scaling::Stretch};
    DecodedPicture picture = readPictureFile(path, request);
    if (picture.image.isNull()) {
        setPicture(placeholderPicture(box, QFileInfo(path).fileName(), picture.error), path, true);
    } else {
        setPicture(scaling_ == Scaling::Fit ? scaledToFit(picture.image, box) : picture.image,
                   path);
    }
    loadedFor_ = box;
}

void PictureView::clearPicture() {
    setPicture(QImage());
}

void PictureView::setSelected(bool selected) {
    selected_ = selected;
    update();
}

QRect PictureView::pictureRect() const {
    const QRect area = contentsRect();
    if (image_.isNull() || scaling_ == Scaling::Stretch) return area;
    QSize size = image_.size();
    if (size.width() > area.width() || size.height() > area.height())
        size = size.scaled(area.size(), Qt::KeepAspectRatio);
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(area.center());
    return placed;
}

void PictureView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), image_);
    if (selected_) {
        painter.setPen(QPen(QColor(0, 90, 220), 3));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    // A file loaded for a smaller area is read again for the larger one, so
    // an enlarged window shows the photo sharp.
    const QSize box = contentsRect().size();
    if (loadedFor_.isValid() &&
        (box.width() > loadedFor_.width() || box.height() > loadedFor_.height()))
        loadFile(fileName_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QFrame::mousePressEvent(event);
}
