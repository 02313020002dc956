#include "app/application.h"
#include "app/command_line.h"
#include "app/startup.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}
}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const StartChoice choice = chooseStart(arguments);
    switch (choice.kind) {
        case StartChoice::Kind::Help:
            print(stdout, helpText());
            return 0;
        case StartChoice::Kind::Version:
            print(stdout, versionText());
            return 0;
        case StartChoice::Kind::Refused:
            print(stderr, choice.message + u'\n');
            return kRefusedExitCode;
        case StartChoice::Kind::Command: {
            // The program's own commands run without the windows.
            QCoreApplication app(argc, argv);
            initQuarnelResources();
            return choice.command->run(app.arguments());
        }
        case StartChoice::Kind::Windows:
            break;
    }
    return runQuarnel(argc, argv);
}
