#pragma once

#include "common/print_device.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <exception>
#include <functional>
#include <memory>

// Every message box, beep, printer dialog, file and font dialog and the
// standard error display of the program goes through this one service. The
// application installs the Qt implementation; tests install a scripted one
// that records every message and answers from a script.
class Dialogs {
public:
    enum class Icon { Information, Warning, Error, Question };
    enum class Buttons { Ok, Yes, YesNo, RetryCancel, OkCancel, YesNoCancel };
    enum class Answer { Ok, Yes, No, Retry, Cancel };

    // Draws one print job on the device it is given.
    using PrintJob = std::function<void(PrintDevice&)>;

    // A job and the page it wants. The printer dialog and the preview are
    // opened with the page already turned to `orientation`, so that what the
    // user sees there is what the job prints.
    struct PrintRequest {
        QString title;  // the job's name, also in the dialog's caption
        PrintDevice::Orientation orientation = PrintDevice::Orientation::Portrait;
        PrintJob job;
    };

    // How the printer dialog ended.
    enum class PrintOutcome {
        Printed,       // the user chose a printer and the job ran on it
        Cancelled,     // the user cancelled; nothing ran
        DialogFailed,  // the dialog itself could not be shown or failed; nothing ran
    };

    virtual ~Dialogs() = default;

    virtual Answer message(Icon icon, const QString& text, Buttons buttons) = 0;
    virtual void beep() = 0;

    // Shows the printer dialog (a real printer or a PDF file) and runs the
    // job on the chosen printer. An error of the job itself goes to the
    // caller.
    virtual PrintOutcome print(const PrintRequest& request) = 0;
    // Runs the job on the current (default) printer without asking; what a
    // list does after the printer dialog failed.
    virtual void printOnCurrentPrinter(const PrintRequest& request) = 0;
    // Shows the job in a preview window from which the user may print it.
    virtual void preview(const PrintRequest& request) = 0;

    // Empty when cancelled.
    virtual QString openFileName(const QString& caption, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& filter) = 0;
    // False when cancelled; otherwise `font` holds the choice.
    virtual bool chooseFont(QFont& font) = 0;

    // The standard error display: shows the error's own text.
    virtual void showError(const QString& text) = 0;

    // Convenience forms used all over the forms.
    void information(const QString& text) { message(Icon::Information, text, Buttons::Ok); }
    void informationYes(const QString& text) { message(Icon::Information, text, Buttons::Yes); }
    void warning(const QString& text) { message(Icon::Warning, text, Buttons::Ok); }
    bool askYesNo(const QString& text) {
        return message(Icon::Question, text, Buttons::YesNo) == Answer::Yes;
    }
    void showError(const std::exception& error);
};

// The printer dialog for the request. When the dialog itself fails,
// `dialogFailure` is shown (information, OK) and the job runs on the current
// printer. Cancelled when the user cancelled the dialog.
Dialogs::PrintOutcome printWithDialog(const Dialogs::PrintRequest& request,
                                      const QString& dialogFailure);

// The installed service. The application installs QtDialogs at start-up;
// tests install ScriptedDialogs.
Dialogs& dialogs();
void installDialogs(std::unique_ptr<Dialogs> service);
