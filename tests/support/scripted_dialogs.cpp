#include "tests/support/scripted_dialogs.h"

#include <QtGlobal>

Dialogs::Answer ScriptedDialogs::message(Icon icon, const QString& text, Buttons buttons) {
    messages.append(Message{icon, text, buttons});
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
    }
    return defaultAnswer;
}

bool ScriptedDialogs::print(const QString& jobTitle, const PrintJob& job) {
    printTitles.append(jobTitle);
    if (cancelPrint) return false;
    printed.push_back(std::make_unique<RecordingPrintDevice>(printDpi));
    if (failNextPrint) printed.back()->failOnNextDraw();
    failNextPrint = false;
    job(*printed.back());
    return true;
}

void ScriptedDialogs::preview(const QString& jobTitle, const PrintJob& job) {
    printTitles.append(jobTitle);
    previewed.push_back(std::make_unique<RecordingPrintDevice>(printDpi, /*preview=*/true));
    job(*previewed.back());
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
    cancelPrint = false;
    failNextPrint = false;
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
