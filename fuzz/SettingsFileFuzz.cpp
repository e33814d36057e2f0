// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as the settings file, as start-up does, then writes one key
// as a settings page would. Every live setting must come out within its range,
// the written key must read back as written, and every other key must read as
// it did before (so the next start-up sees the same settings but the one written).

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzFile.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"

namespace {

struct Key {
    const char* section;
    std::string name;
    bool isInt;
};

// Every key the program reads or writes.
std::vector<Key> AllKeys()
{
    std::vector<Key> keys;
    for (const char* name :
         {KEY_USE_CUBE, KEY_AUTO_FINISH, KEY_DICE_AS_ICONS, KEY_SPEED, KEY_AUTO_CHANGE_TURN, KEY_LEVEL_OF_PLAY,
          KEY_FIRST_MOVE_BY, KEY_SHOW_PROGRESS, KEY_AUTO_FORCED_MOVES, KEY_HIT_SHAKE, KEY_HIGH_LIGHT, KEY_INTEL_MOVES,
          KEY_DICE_MODE, KEY_CLOCK_WISE, KEY_CUR_SCHEME})
        keys.push_back({SECTION_OPTIONS, name, true});
    keys.push_back({SECTION_OPTIONS, KEY_ROLLS_LIST, false});
    for (int event = 0; event < SOUND_EVENTS; ++event) {
        keys.push_back({SECTION_SOUNDS, SOUND_KEYS[event], false});
        keys.push_back({SECTION_SOUNDS, SoundActiveKey(event), true});
    }
    keys.push_back({SECTION_GAME, KEY_HUMAN, true});
    keys.push_back({SECTION_GAME, KEY_COMPUTER, true});
    return keys;
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }

// The settings after LoadSettings, each within what the program relies on.
void CheckSettings(const Settings& s)
{
    Require(Within(s.UseCube, 0, 1), "UseCube is 0..1");
    Require(Within(s.AutoFinish, 0, 2), "AutoFinish is 0..2");
    Require(Within(s.DiceAsIcons, 0, 1), "DiceAsIcons is 0..1");
    Require(Within(s.Speed, 0, MAX_SPEED), "the animation delay is 0..50");
    Require(Within(s.AutoChangeTurn, 0, 1), "AutoChangeTurn is 0..1");
    Require(Within(s.LevelOfPlay, 0, 2), "LevelOfPlay is 0..2");
    Require(Within(s.FirstMoveBy, 0, 2), "FirstMoveBy is 0..2");
    Require(Within(s.ShowProgress, 0, 1), "ShowProgress is 0..1");
    Require(Within(s.AutoForcedMoves, 0, 1), "AutoForcedMoves is 0..1");
    Require(Within(s.HitShake, 0, 1), "HitShake is 0..1");
    Require(Within(s.HighLight, 0, 2), "HighLight is 0..2");
    Require(Within(s.IntelMoves, 0, 1), "IntelMoves is 0..1");
    Require(Within(s.DiceMode, 0, 2), "DiceMode is 0..2");
    Require(Within(s.ClockWise, 0, 1), "ClockWise is 0..1");
    Require(Within(s.CurScheme, 0, COLOUR_SCHEMES - 1), "CurScheme is 0..3");
    Require(s.RollsList.size() <= Profile::MAX_VALUE_LENGTH, "RollsList fits its buffer");
    for (int event = 0; event < SOUND_EVENTS; ++event) {
        Require(Within(s.SoundActive[event], 0, 1), "a sound flag is 0..1");
        Require(s.SoundFile[event].size() <= Profile::MAX_VALUE_LENGTH, "a sound file name fits its buffer");
    }
}

// Every key as a string; a missing key reads as a text no file can hold.
std::vector<std::string> ReadAll(const Profile& profile, const std::vector<Key>& keys)
{
    static const std::string missing = "\n(missing)";
    std::vector<std::string> values;
    for (const Key& key : keys) values.push_back(profile.GetString(key.section, key.name, missing));
    return values;
}

// A value a settings page could write: one line, no blanks at its ends,
// taken from the input so that odd bytes reach the file too.
std::string StringValue(const std::uint8_t* data, std::size_t size, std::uint32_t h)
{
    switch (h % 8) {
    case 0:
        return "";
    case 1:
        return std::string(Profile::MAX_VALUE_LENGTH, 'x');
    case 2:
        return ".\\rolls.txt";
    default:
        break;
    }
    std::string value;
    if (size > 0) {
        const std::size_t from = (h >> 8) % size;
        const std::size_t length = std::min<std::size_t>((h >> 16) % 96, size - from);
        for (std::size_t i = from; i < from + length; ++i) {
            const char c = static_cast<char>(data[i]);
            value.push_back(c == '\r' || c == '\n' ? '_' : c);
        }
    }
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!value.empty() && blank(value.back())) value.pop_back();
    while (!value.empty() && blank(value.front())) value.erase(value.begin());
    return value;
}

int IntValue(std::uint32_t h)
{
    static constexpr std::array<int, 11> values{0, 1, 2, 3, 38, 50, 51, -1, INT_MIN, INT_MAX, 1000000};
    return h % 3 == 0 ? static_cast<int>(h >> 2) : values[(h >> 2) % values.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = FuzzPath("tablorw.ini");
    static const std::vector<Key> keys = AllKeys();
    WriteInput(path, data, size);
    Profile profile(path);

    // Start-up.
    Settings settings;
    LoadSettings(profile, settings);
    CheckSettings(settings);

    // One key written as a settings page writes it.
    const std::uint32_t h = InputHash(data, size);
    const std::size_t chosen = h % keys.size();
    const Key& key = keys[chosen];
    const std::vector<std::string> before = ReadAll(profile, keys);
    std::string written;
    if (key.isInt) {
        const int value = IntValue(h >> 5);
        Require(profile.WriteInt(key.section, key.name, value), "an integer key can be written");
        Require(profile.GetInt(key.section, key.name, value == 0 ? 1 : 0) == value, "an integer reads back as written");
        written = std::to_string(value);
    } else {
        written = StringValue(data, size, h >> 5);
        Require(profile.WriteString(key.section, key.name, written), "a string key can be written");
    }
    const std::vector<std::string> after = ReadAll(profile, keys);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i == chosen)
            Require(after[i] == written, "the written key reads back as written");
        else
            Require(after[i] == before[i], "every other key reads as before");
    }
    return 0;
}
