#include "app/main_actions.h"

#include "app/tfmbu_main.h"
#include "clients/tfmbur_lst.h"
#include "common/action_guard.h"
#include "contracts/tfmcontract.h"
#include "listings/tfmbu_lst.h"
#include "listings/tfmdisp.h"

#include <QObject>

namespace {
void openListings(TFMbu_main* mainWindow) {
    TFMbu_lst form(mainWindow);
    form.exec();
}

// The contract chooser with no listing chosen: its documents open for browsing.
void openContracts(TFMbu_main* mainWindow) {
    TFMcontract form(mainWindow);
    form.exec();
}

void openClients(TFMbu_main* mainWindow) {
    TFMbur_lst form(mainWindow);
    form.exec();
}

void openListingDisplay(TFMbu_main* mainWindow) {
    TFMdisp form(mainWindow);
    form.exec();
}

void openExpiringLeases(TFMbu_main* mainWindow) {
    TFMbu_lst form(mainWindow);
    form.showExpiringLeases(30);
    form.exec();
}
}  // namespace

void connectMainActions(TFMbu_main& mainWindow) {
    TFMbu_main* window = &mainWindow;
    QObject::connect(window, &TFMbu_main::listingsRequested, window,
                     guarded([window] { openListings(window); }));
    QObject::connect(window, &TFMbu_main::contractsRequested, window,
                     guarded([window] { openContracts(window); }));
    QObject::connect(window, &TFMbu_main::clientsRequested, window,
                     guarded([window] { openClients(window); }));
    QObject::connect(window, &TFMbu_main::viewerRequested, window,
                     guarded([window] { openListingDisplay(window); }));
    QObject::connect(window, &TFMbu_main::expiringLeasesRequested, window,
                     guarded([window] { openExpiringLeases(window); }));
}
