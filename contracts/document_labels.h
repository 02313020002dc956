#pragma once

#include "contracts/document_profile.h"

#include <QString>

// How the sheet of a document names one of its fields, for messages that
// list fields ("소재지", "매도인 성명"); the field's own name where the sheet
// gives it no caption of its own.
QString documentFieldLabel(DocumentKind kind, const QString& field);
