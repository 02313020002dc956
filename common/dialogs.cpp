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

Dialogs::PrintOutcome printWithDialog(const Dialogs::PrintRequest& request,
                                      const QString& dialogFailure) {
    Dialogs& service = dialogs();
    const Dialogs::PrintOutcome outcome = service.print(request);
    if (outcome == Dialogs::PrintOutcome::DialogFailed) {
        service.information(dialogFailure);
        service.printOnCurrentPrinter(request);
    }
    return outcome;
}

Dialogs& dialogs() {
    auto& service = installed();
    if (!service) qFatal("no Dialogs service installed");
    return *service;
}

void installDialogs(std::unique_ptr<Dialogs> service) {
    installed() = std::move(service);
}
