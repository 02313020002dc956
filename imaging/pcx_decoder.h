#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

// PCX pictures (ZSoft Paintbrush), which the office's older photo folders
// hold and Qt cannot read: run-length encoded, 8 bits per plane, either one
// plane with the 256-colour palette at the end of the file or three planes
// (red, green, blue) of true colour.
struct PcxPicture {
    QImage image;   // null when the file could not be read
    QString error;  // why
};

PcxPicture decodePcx(QByteArrayView bytes);
