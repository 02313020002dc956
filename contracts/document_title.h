#pragma once

#include <QString>

// The name of a printed document, which the printer dialog also offers as the
// name of a PDF file: the kind of document, its address and its date, e.g.
// "매매계약서 종로구 청운동 12-3 2026-12-08". Characters that a file name
// cannot hold become "_".
QString documentTitle(const QString& kind, const QString& address, const QString& date);
