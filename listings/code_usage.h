#pragma once

#include "listings/code_category.h"

#include <QString>
#include <QStringList>

class Query;

enum class CodeUsage {
    Unused,
    InUse,
    Unknown  // a statement could not be read and the user gave up retrying
};

// The two-line statement that finds rows of `use` holding a code: the select
// line and the where line. The code is the parameter :code; the deal kinds
// are the program's own constants.
QStringList codeUsageStatement(const CodeUse& use);

// Whether any listing or request uses the code of the category. Each
// statement runs on `query` (opened with openWithRetry, closed afterwards);
// the check stops at the first statement that finds a row. A statement that
// the store refused and the user did not retry makes the result Unknown, so
// that a code is never deleted on a check that did not run.
CodeUsage codeUsage(Query& query, CodeCategory category, const QString& code);
