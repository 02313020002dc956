#pragma once

#include <QString>
#include <QTime>

// The time in the office's long time format, as the Korean desktop writes it:
// "오후 2:05:09".
QString longTimeText(const QTime& time);
