// zavscore-cli set-list, set-copy, set-move and set-delete: a score sheet set
// handled as a whole, as the Tools menu does.
#include <iostream>

#include "CliSupport.h"
#include "sets/SetFile.h"
#include "sets/SetManagement.h"

namespace zavcli {
namespace {

int RunOperation(const char* name, zav::SetOperation code, const std::vector<std::string>& args) {
    const bool withTarget = code != zav::SetOperation::Delete;
    auto run =
        ReadInvocation(FindCommand(name), args, withTarget ? 2 : 1,
                       withTarget ? "expects a set file and a folder" : "expects a set file", {},
                       withTarget ? std::set<std::string>{"--replace"} : std::set<std::string>{});
    if (!run) return kExitUsage;
    // The replace question is answered by --replace: without it an existing
    // set in the target folder is left alone.
    run->messages = StderrMessageSink(run->args.flags.count("--replace") != 0);
    const std::string& setPath = run->File(0);
    const bool done = withTarget ? zav::CopyOrMoveSet(code, setPath, run->File(1), run->Reporter())
                                 : zav::TraiteSetSheet(code, setPath, setPath, run->Reporter());
    if (!done) return kExitFailure;
    std::cout << zav::SetOperationDone(code, run->language) << '\n';
    return kExitOk;
}

}  // namespace

int RunSetList(const std::vector<std::string>& args) {
    auto run = ReadInvocation(FindCommand("set-list"), args, 1, "expects one set file");
    if (!run) return kExitUsage;
    std::vector<std::string> names;
    if (!zav::ReadSetFile(run->File(0), zav::EncodingMark::Required, names, run->Reporter()))
        return kExitFailure;
    for (const std::string& name : names) std::cout << name << '\n';
    return kExitOk;
}

int RunSetCopy(const std::vector<std::string>& args) {
    return RunOperation("set-copy", zav::SetOperation::Copy, args);
}
int RunSetMove(const std::vector<std::string>& args) {
    return RunOperation("set-move", zav::SetOperation::Move, args);
}
int RunSetDelete(const std::vector<std::string>& args) {
    return RunOperation("set-delete", zav::SetOperation::Delete, args);
}

}  // namespace zavcli
