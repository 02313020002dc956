#pragma once

#include <QImage>
#include <QSize>

// Turning a picture upright by its EXIF orientation (1…8; see ExifBlock).

// True for the orientations whose stored rows are the picture's columns
// (5…8): width and height swap when the picture is turned upright.
bool swapsAxes(int orientation);

// The size of the upright picture of a stored picture of `stored` size.
QSize uprightSize(QSize stored, int orientation);

// The stored picture turned upright. Orientation 1 and unknown values give
// the picture unchanged.
QImage uprightImage(const QImage& stored, int orientation);
