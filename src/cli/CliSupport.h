// What every command shares: option parsing, the language choice, and
// messages written to standard error.
#pragma once

#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Command.h"
#include "texts/Messages.h"

namespace zavcli {

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>> values;  // "--opt VALUE", repeatable
    std::set<std::string> flags;                             // "--flag"

    std::string Value(const std::string& option, const std::string& fallback = "") const;
    bool Has(const std::string& option) const { return values.count(option) != 0; }
};

// Splits args by the options the command knows; nothing (and a message in
// `problem`) on an unknown option or a missing value.
std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args,
                                    const std::set<std::string>& valueOptions,
                                    const std::set<std::string>& flagOptions, std::string& problem);

// The settings file of this run: --settings when given (set into
// ZAVSCORE_INI for every later access), else the program's rule, which the
// window follows too.
std::string SettingsPath(const ParsedArgs& parsed);

// The interface language: --lang FR|EN|IT|GE, else the settings file's rule.
// Nothing when --lang names no language.
std::optional<int> ResolveLanguage(const ParsedArgs& parsed);

// Messages on standard error; questions answered with a fixed reply.
class StderrMessageSink : public zav::MessageSink {
public:
    explicit StderrMessageSink(bool answer = false) : answer_(answer) {}
    void ShowMessage(const std::string& text, zav::MessageIcon) override {
        std::cerr << text << '\n';
    }
    bool AskYesNo(const std::string& text, zav::MessageIcon) override {
        std::cerr << text << '\n';
        return answer_;
    }

private:
    bool answer_;
};

}  // namespace zavcli
