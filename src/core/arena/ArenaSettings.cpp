#include "arena/ArenaSettings.h"

namespace zav {

ArenaSettings ReadArenaSettings(const Settings& settings) {
    const SettingsSnapshot snapshot(settings);
    ArenaSettings arena;
    arena.on = snapshot.GetInt(SettingKey::ArenaOn) == 1;
    const int port = snapshot.GetInt(SettingKey::ArenaPort);
    arena.port = port >= 1 && port <= 65535 ? port : kDefaultArenaPort;
    arena.bind = snapshot.GetString(SettingKey::ArenaBind);
    arena.acceptAtOnce = snapshot.GetInt(SettingKey::ArenaAcceptAtOnce) == 1;
    arena.board.view =
        BoardViewOfWord(snapshot.GetString(SettingKey::ArenaBoardView)).value_or(arena.board.view);
    if (const int seconds = snapshot.GetInt(SettingKey::ArenaBoardSeconds); seconds > 0)
        arena.board.seconds = BoundBoardSeconds(seconds);
    arena.entriesFile = snapshot.GetString(SettingKey::ArenaEntries);
    return arena;
}

bool WriteArenaSettings(const Settings& settings, const ArenaSettings& arena) {
    return settings.Set(SettingKey::ArenaOn, arena.on ? "1" : "0") &&
           settings.Set(SettingKey::ArenaPort, std::to_string(arena.port)) &&
           settings.Set(SettingKey::ArenaBind, arena.bind) &&
           settings.Set(SettingKey::ArenaAcceptAtOnce, arena.acceptAtOnce ? "1" : "0") &&
           settings.Set(SettingKey::ArenaBoardView, BoardViewWord(arena.board.view)) &&
           settings.Set(SettingKey::ArenaBoardSeconds, std::to_string(arena.board.seconds)) &&
           settings.Set(SettingKey::ArenaEntries, arena.entriesFile);
}

}  // namespace zav
