#include "tests/support/scripted_dialogs.h"

#include <QtGlobal>

Dialogs::Answer ScriptedDialogs::message(Icon icon, const QString& text, Buttons buttons) {
    messages.append(Message{icon, text, buttons});
    if (onMessage) onMessage(messages.last());
    if (!answers.isEmpty()) return answers.dequeue();
    switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::Yes:
            return Answer::Yes;
        case Buttons::RetryCancel:
            return defaultAnswer == Answer::Retry ? Answer::Retry : Answer::Cancel;
        case Buttons::OkCancel:
            return defaultAnswer == Answer::Cancel ? Answer::Cancel : Answer::Ok;
        case Buttons::YesNo:
            return defaultAnswer == Answer::No ? Answer::No : Answer::Yes;
        case Buttons::YesNoCancel:
            return defaultAnswer == Answer::No || defaultAnswer == Answer::Cancel ? defaultAnswer
                                                                                  : Answer::Yes;
    }
    return defaultAnswer;
}

namespace {
std::unique_ptr<RecordingPrintDevice> preparedDevice(int dpi, bool preview,
                                                     const Dialogs::PrintRequest& request) {
    auto device = std::make_unique<RecordingPrintDevice>(dpi, preview);
    device->setOrientation(request.orientation);
    return device;
}
}  // namespace

Dialogs::PrintOutcome ScriptedDialogs::print(const PrintRequest& request) {
    printTitles.append(request.title);
    if (printDialog != PrintOutcome::Printed) return printDialog;
    printed.push_back(preparedDevice(printDpi, false, request));
    if (failNextPrint) printed.back()->failOnNextDraw();
    failNextPrint = false;
    request.job(*printed.back());
    return PrintOutcome::Printed;
}

void ScriptedDialogs::printOnCurrentPrinter(const PrintRequest& request) {
    printTitles.append(request.title);
    ++printedOnCurrentPrinter;
    printed.push_back(preparedDevice(printDpi, false, request));
    request.job(*printed.back());
}

void ScriptedDialogs::preview(const PrintRequest& request) {
    printTitles.append(request.title);
    previewed.push_back(preparedDevice(printDpi, true, request));
    request.job(*previewed.back());
}

QString ScriptedDialogs::openFileName(const QString&, const QString&) {
    return nextOpenFile;
}
QString ScriptedDialogs::saveFileName(const QString&, const QString&) {
    return nextSaveFile;
}

bool ScriptedDialogs::chooseFont(QFont& font) {
    if (!nextFont) return false;
    font = *nextFont;
    return true;
}

void ScriptedDialogs::script(std::initializer_list<Answer> list) {
    for (Answer answer : list)
        answers.enqueue(answer);
}

void ScriptedDialogs::reset() {
    messages.clear();
    errors.clear();
    beeps = 0;
    defaultAnswer = Answer::Yes;
    answers.clear();
    printDialog = PrintOutcome::Printed;
    failNextPrint = false;
    printedOnCurrentPrinter = 0;
    onMessage = nullptr;
    printed.clear();
    previewed.clear();
    printTitles.clear();
    nextOpenFile.clear();
    nextSaveFile.clear();
    nextFont.reset();
}

QStringList ScriptedDialogs::texts() const {
    QStringList result;
    for (const Message& m : messages)
        result.append(m.text);
    return result;
}

ScriptedDialogs& scriptedDialogs() {
    auto* scripted = dynamic_cast<ScriptedDialogs*>(&dialogs());
    if (!scripted) qFatal("the scripted dialogs are not installed");
    return *scripted;
}
