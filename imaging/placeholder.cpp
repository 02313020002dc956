#include "imaging/placeholder.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

QImage placeholderPicture(QSize size, const QString& fileName, const QString& reason) {
    QImage image(size.expandedTo(QSize(16, 16)), QImage::Format_RGB32);
    image.fill(QColor(0xE4, 0xE4, 0xE4));
    QPainter painter(&image);
    const QRect frame = image.rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1));
    painter.drawRect(frame);
    painter.drawLine(frame.topLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomLeft());

    QFont font = painter.font();
    font.setPixelSize(std::clamp(image.height() / 9, 9, 16));
    painter.setFont(font);
    const QRect text = frame.adjusted(4, 4, -4, -4);
    const QString caption = reason.isEmpty() ? fileName : fileName + u'\n' + reason;
    // The text on a light band so that the cross does not hide it.
    const QRect needed =
        painter.boundingRect(text, Qt::AlignCenter | Qt::TextWrapAnywhere, caption);
    painter.fillRect(needed.adjusted(-3, -2, 3, 2), QColor(0xE4, 0xE4, 0xE4));
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawText(text, Qt::AlignCenter | Qt::TextWrapAnywhere, caption);
    return image;
}
