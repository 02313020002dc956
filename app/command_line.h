#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The program's command line. Without arguments the windows start. The
// program's own commands run without a window; `--help` and `--version`
// print and end; Qt's own options (-platform, -style, …) are handed to Qt.
// Anything else is refused with a message, and the program does not start.

// One of the program's own commands.
struct ProgramCommand {
    const char* option;     // "--import-postal"
    const char* arguments;  // what follows it, for the help: "<파일>"
    const char* korean;     // one line of help in Korean
    const char* english;    // the same in English
    // Runs the command on the whole command line (program name first) after
    // the application object was made and the resources registered; gives
    // the program's exit code.
    int (*run)(const QStringList& arguments);
};

// Every command the program takes, in the order the help lists them.
const std::vector<ProgramCommand>& programCommands();

// What the command line asks for.
struct StartChoice {
    enum class Kind { Windows, Command, Help, Version, Refused };
    Kind kind = Kind::Windows;
    const ProgramCommand* command = nullptr;  // for Kind::Command
    QString message;                          // for Kind::Refused
};

// Reads the arguments, program name first.
StartChoice chooseStart(const QStringList& arguments);

// The texts printed for --help and --version, in Korean and English.
QString helpText();
QString versionText();

// The exit code of a refused command line.
constexpr int kRefusedExitCode = 2;
