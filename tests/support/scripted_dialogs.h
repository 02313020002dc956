#pragma once

#include "common/dialogs.h"
#include "tests/support/recording_print_device.h"

#include <QList>
#include <QQueue>

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
    bool print(const QString& jobTitle, const PrintJob& job) override;
    void preview(const QString& jobTitle, const PrintJob& job) override;
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

    // Printing: when `cancelPrint` is set the printer dialog is cancelled.
    bool cancelPrint = false;
    // The next printed job's device fails at its first drawing call.
    bool failNextPrint = false;
    int printDpi = 600;
    std::vector<std::unique_ptr<RecordingPrintDevice>> printed;
    std::vector<std::unique_ptr<RecordingPrintDevice>> previewed;
    QStringList printTitles;

    // File and font dialogs answer with these.
    QString nextOpenFile;
    QString nextSaveFile;
    std::optional<QFont> nextFont;
};

// The scripted dialogs installed for the running test.
ScriptedDialogs& scriptedDialogs();
