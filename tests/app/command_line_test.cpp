// The command line: the program's own commands, help and version, Qt's
// options handed on, anything else refused before a window opens.

#include "app/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, ChoosesWhatToStartOrRefuses) {
    using Kind = StartChoice::Kind;
    struct Case {
        QStringList arguments;  // after the program name
        Kind kind;
        const char* command;  // the command chosen, for Kind::Command
        const char* said;     // part of the refusal, for Kind::Refused
    };
    const Case cases[] = {
        {{}, Kind::Windows, nullptr, nullptr},
        {{"-platform", "offscreen"}, Kind::Windows, nullptr, nullptr},
        {{"--platform=xcb", "-style", "Fusion", "-reverse"}, Kind::Windows, nullptr, nullptr},
        {{"-qmljsdebugger=port:1234", "-stylesheet=a.qss"}, Kind::Windows, nullptr, nullptr},
        {{"--help"}, Kind::Help, nullptr, nullptr},
        {{"-style", "Fusion", "-h"}, Kind::Help, nullptr, nullptr},
        {{"--version"}, Kind::Version, nullptr, nullptr},
        {{"--import-postal", "a.csv"}, Kind::Command, "--import-postal", nullptr},
        {{"--import-legacy", "old", "--replace"}, Kind::Command, "--import-legacy", nullptr},
        {{"--imports-postal", "a.csv"}, Kind::Refused, nullptr, "--imports-postal"},
        {{"-platform"}, Kind::Refused, nullptr, "-platform"},
        {{"-reverse=yes"}, Kind::Refused, nullptr, "-reverse=yes"},
        {{"-qmljsdebugger"}, Kind::Refused, nullptr, "-qmljsdebugger"},
        {{"office.db"}, Kind::Refused, nullptr, "office.db"},
        {{"-"}, Kind::Refused, nullptr, "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const StartChoice choice =
            chooseStart(QStringList{QStringLiteral("quarnel")} + c.arguments);
        EXPECT_EQ(choice.kind, c.kind);
        if (c.command) {
            ASSERT_NE(choice.command, nullptr);
            EXPECT_STREQ(choice.command->option, c.command);
        }
        if (c.said) {
            EXPECT_TRUE(choice.message.contains(QString::fromUtf8(c.said)));
            EXPECT_TRUE(choice.message.contains(QStringLiteral("quarnel --help")));
        }
    }
}

TEST(CommandLine, HelpListsEveryCommandInBothLanguages) {
    const QString help = helpText();
    EXPECT_TRUE(help.startsWith(versionText()));
    EXPECT_TRUE(versionText().contains(QStringLiteral("Quarnel 3.0")));
    ASSERT_FALSE(programCommands().empty());
    for (const ProgramCommand& command : programCommands()) {
        SCOPED_TRACE(command.option);
        EXPECT_TRUE(help.contains(QString::fromUtf8(command.option)));
        EXPECT_TRUE(help.contains(QString::fromUtf8(command.korean)));
        EXPECT_TRUE(help.contains(QString::fromUtf8(command.english)));
        EXPECT_NE(command.run, nullptr);
    }
    for (const char* own : {"--help", "--version", "-platform", "-style"})
        EXPECT_TRUE(help.contains(QLatin1String(own))) << own;
}
