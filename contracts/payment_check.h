#pragma once

#include "contracts/document_profile.h"

#include <QString>

#include <optional>

class DocumentRow;

// Whether the down payment, the interim payments and the balance of a
// contract add up to its price (sale) or deposit (lease). Empty fields count
// as 0. When they do not, the question to ask before saving, saying by how
// much they differ; nothing when they add up or an amount cannot be read.
std::optional<QString> paymentMismatchQuestion(DocumentKind kind, const DocumentRow& row);
