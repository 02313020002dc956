#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <stdexcept>

class OfficeFolder;

// The bitmap files of the main window in the order they are loaded: the
// picture "BUDMAIN.BMP", then "BT1.BMP" … "BT7.BMP" and "BT9.BMP".
QStringList mainBitmapNames();

// Where a bitmap is read from: the office folder's own file when there is
// one (an office may replace the pictures), else the built-in picture.
QString mainBitmapSource(const OfficeFolder& folder, const QString& name);

// A bitmap file that is there but cannot be read as a picture.
class BitmapReadError : public std::runtime_error {
  public:
    BitmapReadError(const QString& path, const QString& reason);
};

// Reads a bitmap from its source; throws BitmapReadError when it cannot be read.
QPixmap readMainBitmap(const OfficeFolder& folder, const QString& name);
