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
#include "texts/Reporter.h"

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
std::optional<zav::Language> ResolveLanguage(const ParsedArgs& parsed);

// Messages on standard error; questions answered with a fixed reply.
class StderrMessageSink : public zav::MessageSink {
public:
    explicit StderrMessageSink(bool answer = false) : answer_(answer) {}
    void ShowMessage(const std::string& text, zav::MessageIcon) override {
        std::cerr << text << '\n';
    }
    bool AskYesNo(const std::string& text, zav::MessageIcon, zav::QuestionKind) override {
        std::cerr << text << '\n';
        return answer_;
    }

private:
    bool answer_;
};

// What every command starts from: its arguments read, its language chosen,
// and its messages going to standard error.
struct Invocation {
    ParsedArgs args;
    zav::Language language;
    StderrMessageSink messages;

    const std::string& File(std::size_t i) const { return args.positional[i]; }
    zav::Reporter Reporter() { return zav::Reporter(language, messages); }
};

// For ReadInvocation: any number of files but none.
constexpr std::size_t kOneOrMoreFiles = static_cast<std::size_t>(-1);

// Reads the arguments of `command`: `files` positional arguments (`expects`
// says which, for the usage error), the options --lang and --settings, and
// the command's own value and flag options. Nothing after printing the usage
// error; the command then returns kExitUsage.
std::optional<Invocation> ReadInvocation(const Command& command,
                                         const std::vector<std::string>& args, std::size_t files,
                                         const char* expects,
                                         std::set<std::string> valueOptions = {},
                                         const std::set<std::string>& flagOptions = {});

}  // namespace zavcli
