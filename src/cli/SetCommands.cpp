// zavscore-cli set-list, set-copy, set-move and set-delete: a score sheet set
// handled as a whole, as the Tools menu does.
#include <iostream>

#include "CliSupport.h"
#include "sets/SetFile.h"
#include "sets/SetManagement.h"

namespace zavcli {
namespace {

int RunOperation(const char* name, zav::SetOperation code, const std::vector<std::string>& args) {
    const Command& self = FindCommand(name);
    const bool withTarget = code != zav::kSetDelete;
    std::string problem;
    auto parsed = ParseArgs(
        args, {"--lang", "--settings"},
        withTarget ? std::set<std::string>{"--replace"} : std::set<std::string>{}, problem);
    if (!parsed) return UsageError(self, problem);
    if (parsed->positional.size() != (withTarget ? 2u : 1u))
        return UsageError(self,
                          withTarget ? "expects a set file and a folder" : "expects a set file");
    const auto language = ResolveLanguage(*parsed);
    if (!language) return UsageError(self, "--lang takes FR, EN, IT or GE");

    // The replace question is answered by --replace: without it an existing
    // set in the target folder is left alone.
    StderrMessageSink messages(parsed->flags.count("--replace") != 0);
    const std::string& setPath = parsed->positional[0];
    const int result =
        withTarget ? zav::CopyOrMoveSet(code, setPath, parsed->positional[1], *language, messages)
                   : zav::TraiteSetSheet(code, setPath, setPath, *language, messages);
    if (result != 0) return kExitFailure;
    std::cout << zav::SetOperationDone(code, *language) << '\n';
    return kExitOk;
}

}  // namespace

int RunSetList(const std::vector<std::string>& args) {
    const Command& self = FindCommand("set-list");
    std::string problem;
    auto parsed = ParseArgs(args, {"--lang", "--settings"}, {}, problem);
    if (!parsed) return UsageError(self, problem);
    if (parsed->positional.size() != 1) return UsageError(self, "expects one set file");
    const auto language = ResolveLanguage(*parsed);
    if (!language) return UsageError(self, "--lang takes FR, EN, IT or GE");

    StderrMessageSink messages;
    std::vector<std::string> names;
    if (zav::ReadSetFile(parsed->positional[0], zav::EncodingMark::Required, names, *language,
                         messages) != 0)
        return kExitFailure;
    for (const std::string& name : names) std::cout << name << '\n';
    return kExitOk;
}

int RunSetCopy(const std::vector<std::string>& args) {
    return RunOperation("set-copy", zav::kSetCopy, args);
}
int RunSetMove(const std::vector<std::string>& args) {
    return RunOperation("set-move", zav::kSetMove, args);
}
int RunSetDelete(const std::vector<std::string>& args) {
    return RunOperation("set-delete", zav::kSetDelete, args);
}

}  // namespace zavcli
