#pragma once

#include <QByteArray>
#include <QByteArrayView>

// What the EXIF block of a camera picture (the APP1 segment of a JPEG file)
// tells the photo forms: which way up the picture was taken and the small
// JPEG picture the camera embedded for quick viewing.
struct ExifBlock {
    // 1 upright; 2…8 the other seven orientations of the EXIF tag 0x0112.
    int orientation = 1;
    // The embedded JPEG thumbnail; empty when the block has none.
    QByteArray thumbnail;
};

// Reads the payload of an APP1 segment (starting with "Exif\0\0"). A payload
// that is not EXIF, or is damaged, gives the defaults: upright, no thumbnail.
// Every offset is checked against the payload, so no bytes outside it are read.
ExifBlock readExifBlock(QByteArrayView payload);
