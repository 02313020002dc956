#include "common/shared_values.h"

#include "common/office_folder.h"

#include <QtGlobal>

namespace {
std::unique_ptr<SharedValues>& installed() {
    static std::unique_ptr<SharedValues> values;
    return values;
}
}  // namespace

QString SharedValues::programDirectory() const {
    return officeFolder().programDirectory();
}

SharedValues& sharedValues() {
    auto& values = installed();
    if (!values) qFatal("no shared values installed");
    return *values;
}

void installSharedValues(std::unique_ptr<SharedValues> values) {
    installed() = std::move(values);
}
