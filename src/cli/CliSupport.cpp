#include "CliSupport.h"

#include <cstdlib>

#include "paths/ProgramFiles.h"
#include "settings/Settings.h"
#include "texts/Texts.h"

namespace zavcli {

std::string ParsedArgs::Value(const std::string& option, const std::string& fallback) const {
    auto it = values.find(option);
    return it == values.end() || it->second.empty() ? fallback : it->second.back();
}

std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args,
                                    const std::set<std::string>& valueOptions,
                                    const std::set<std::string>& flagOptions,
                                    std::string& problem) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            if (valueOptions.count(a)) {
                if (i + 1 >= args.size()) {
                    problem = "option " + a + " needs a value";
                    return std::nullopt;
                }
                parsed.values[a].push_back(args[++i]);
            } else if (flagOptions.count(a)) {
                parsed.flags.insert(a);
            } else {
                problem = "unknown option " + a;
                return std::nullopt;
            }
        } else {
            parsed.positional.push_back(a);
        }
    }
    return parsed;
}

std::string SettingsPath(const ParsedArgs& parsed) {
    if (parsed.Has("--settings")) setenv("ZAVSCORE_INI", parsed.Value("--settings").c_str(), 1);
    return zav::SettingsFilePath(zav::ProcessEnvironment(), zav::ExecutableFolder());
}

std::optional<int> ResolveLanguage(const ParsedArgs& parsed) {
    if (!parsed.Has("--lang")) return zav::Settings(SettingsPath(parsed)).LanguageBase();
    const std::string code = parsed.Value("--lang");
    for (int base : zav::kLanguageBases)
        if (code == zav::LanguageCode(base)) return base;
    return std::nullopt;
}

int UsageError(const Command& command, const std::string& problem) {
    std::cerr << "zavscore-cli " << command.name << ": " << problem << "\nUsage: zavscore-cli "
              << command.name << ' ' << command.usage << '\n';
    return kExitUsage;
}

}  // namespace zavcli
