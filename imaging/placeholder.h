#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// What a photo area shows for a photo file that is missing or cannot be
// read: a grey card crossed out, with the file's name and the reason, so the
// user sees which photo is meant and can put the file back.
QImage placeholderPicture(QSize size, const QString& fileName, const QString& reason);
