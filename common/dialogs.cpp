#include "common/dialogs.h"

#include <QtGlobal>

namespace {
std::unique_ptr<Dialogs>& installed() {
    static std::unique_ptr<Dialogs> service;
    return service;
}
}  // namespace

void Dialogs::showError(const std::exception& error) {
    showError(QString::fromUtf8(error.what()));
}

Dialogs& dialogs() {
    auto& service = installed();
    if (!service) qFatal("no Dialogs service installed");
    return *service;
}

void installDialogs(std::unique_ptr<Dialogs> service) { installed() = std::move(service); }
