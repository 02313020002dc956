#pragma once

#include <QStringList>

class QTextStream;

// The command line `quarnel --copy-store <alias value>`: copies the office's
// whole store into the store the value names (a database server,
// postgresql://…, or a data folder), in one transaction, without opening a
// window. Photos stay in the office folder's PICT/. Prints one Korean result
// line; returns 0 when copied, 1 when nothing was copied, 2 when the target
// is missing.
int runCopyStoreCommand(const QStringList& arguments);
int runCopyStoreCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
