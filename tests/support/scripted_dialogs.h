#pragma once

#include "common/dialogs.h"
#include "tests/support/recording_print_device.h"

#include <QList>
#include <QQueue>

#include <functional>

#include <optional>

#include <memory>
#include <vector>

// The Dialogs service of the tests: records every message, beep, error and
// print job, and answers questions from a script.
class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        Icon icon;
        QString text;
        Buttons buttons;
    };

    Answer message(Icon icon, const QString& text, Buttons buttons) override;
    void beep() override { ++beeps; }
    PrintOutcome print(const PrintRequest& request) override;
    void printOnCurrentPrinter(const PrintRequest& request) override;
    void preview(const PrintRequest& request) override;
    QString openFileName(const QString& caption, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& filter) override;
    bool chooseFont(QFont& font) override;
    void showError(const QString& text) override { errors.append(text); }
    using Dialogs::showError;

    // Answers for the next questions, in order. When the script runs dry a
    // question gets `defaultAnswer` (or the only button of a one-button box).
    void script(std::initializer_list<Answer> answers);
    // Clears every record and the script.
    void reset();

    QStringList texts() const;
    bool saw(const QString& text) const { return texts().contains(text); }
    const Message& last() const { return messages.last(); }

    QList<Message> messages;
    QStringList errors;
    int beeps = 0;
    Answer defaultAnswer = Answer::Yes;
    QQueue<Answer> answers;

    // Printing: the printer dialog ends with `printDialog`; a job runs on a
    // recording device whose page starts as the request asked, as a printer
    // prepared by the dialog does. Jobs printed without the dialog are
    // counted in `printedOnCurrentPrinter` (and kept in `printed`).
    PrintOutcome printDialog = PrintOutcome::Printed;
    // The next printed job's device fails at its first drawing call.
    bool failNextPrint = false;
    int printDpi = 600;
    std::vector<std::unique_ptr<RecordingPrintDevice>> printed;
    std::vector<std::unique_ptr<RecordingPrintDevice>> previewed;
    QStringList printTitles;
    int printedOnCurrentPrinter = 0;

    // Called with every message as it is asked, before it is answered: a
    // test may change the store while a question is up, as another program
    // might.
    std::function<void(const Message&)> onMessage;

    // File and font dialogs answer with these.
    QString nextOpenFile;
    QString nextSaveFile;
    std::optional<QFont> nextFont;
};

// The scripted dialogs installed for the running test.
ScriptedDialogs& scriptedDialogs();
