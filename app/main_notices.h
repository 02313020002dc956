#pragma once

#include <QString>
#include <QStringList>

// The first panel of the main window's status bar carries short notices for
// the office, in a fixed order: first the diary's count of today's and
// tomorrow's entries, then whatever other parts join it (each a line in
// main_notices.cpp). A part with nothing to say is left out.
QString mainNoticeText();

// The parts joined in order, the empty ones left out.
QString joinNotices(const QStringList& parts);
