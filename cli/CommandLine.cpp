#include "cli/CommandLine.h"

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-') {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-s" || argument == "--quiet") {
            command.quiet = true;
        } else if (argument == "--text") {
            command.settings.mode = CompareMode::Text;
        } else if (argument == "--match-case") {
            command.settings.matchCase = 1;
        } else if (argument == "--compress-blanks") {
            command.settings.compressBlanks = 1;
        } else if (argument == "--color" || argument == "--color=auto") {
            command.color = CommandLine::Color::Auto;
        } else if (argument == "--color=always") {
            command.color = CommandLine::Color::Always;
        } else if (argument == "--color=never") {
            command.color = CommandLine::Color::Never;
        } else if (argument == "--help") {
            command.action = CommandLine::Action::Help;
            return command;
        } else if (argument == "--version") {
            command.action = CommandLine::Action::Version;
            return command;
        } else {
            command.action = CommandLine::Action::UsageError;
            command.error = "unknown option: " + argument;
            return command;
        }
    }
    if (files.size() != 2) {
        command.action = CommandLine::Action::UsageError;
        command.error = files.size() < 2 ? "two files are needed" : "too many files";
        return command;
    }
    command.file1 = files[0];
    command.file2 = files[1];
    return command;
}
