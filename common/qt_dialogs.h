#pragma once

#include "common/dialogs.h"

// The Dialogs service on real Qt windows.
class QtDialogs : public Dialogs {
public:
    Answer message(Icon icon, const QString& text, Buttons buttons) override;
    void beep() override;
    PrintOutcome print(const PrintRequest& request) override;
    void printOnCurrentPrinter(const PrintRequest& request) override;
    void preview(const PrintRequest& request) override;
    QString openFileName(const QString& caption, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& filter) override;
    bool chooseFont(QFont& font) override;
    void showError(const QString& text) override;
    using Dialogs::showError;
};
