// The scenario runner's protocol: one command a line on the input, one JSON line for
// each command on the output. See main.cpp for the commands.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

class ScenarioRunner {
public:
    // Status of the run: 0 at the end of the input or after "menu Выход", 2 on a line
    // that is not understood (with a message on errors).
    int Run(std::istream& input, std::ostream& output, std::ostream& errors);

    // The error dialog's text, for the presenter.
    void RecordError(const std::string& text) { error_ = text; }

private:
    // Runs one command; false for a command or caption that does not exist.
    bool Execute(const std::string& command, const std::string& argument, std::ostream& output);
    bool Press(const std::string& caption);
    bool ChooseMenu(const std::string& caption);
    void EnterText(const std::string& text);
    bool PressKey(const std::string& key);
    bool SetSeparators(const std::string& separators);
    std::string StateLine() const;
    std::string AboutLine() const;

    std::optional<std::string> error_;
    bool pressed_ = true;
    std::string failure_;
};
