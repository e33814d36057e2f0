// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Settings.h"

#include "core/board/BoardData.h"
#include "core/settings/Profile.h"
#include "core/settings/Saturating.h"

namespace {

// Reads an integer key with the live value as its default. The value indexes
// tables and chooses between branches elsewhere, so one outside low..high is
// replaced by the key's built-in default.
void ReadRanged(const Profile& profile, const char* section, const char* key, int& variable, int builtIn, int low,
                int high)
{
    const int value = profile.GetInt(section, key, variable);
    variable = value >= low && value <= high ? value : builtIn;
}

void ReadOption(const Profile& profile, const char* key, int& variable, int builtIn, int high)
{
    ReadRanged(profile, SECTION_OPTIONS, key, variable, builtIn, 0, high);
}

// The stored speed is 0..50 (anything else reads as 38); the value held is the delay.
void ReadSpeed(const Profile& profile, int& speed)
{
    int stored = profile.GetInt(SECTION_OPTIONS, KEY_SPEED, MAX_SPEED - speed);
    if (stored < 0 || stored > MAX_SPEED) stored = DEFAULT_SPEED;
    speed = MAX_SPEED - stored;
}

} // namespace

// Reads the keys in the order start-up has always read them: the options,
// the sounds event by event, the scores, and the colour scheme last.
void LoadSettings(const Profile& profile, Settings& s)
{
    ReadOption(profile, KEY_USE_CUBE, s.UseCube, DEFAULT_USE_CUBE, 1);
    ReadOption(profile, KEY_AUTO_FINISH, s.AutoFinish, DEFAULT_AUTO_FINISH, 2);
    ReadOption(profile, KEY_DICE_AS_ICONS, s.DiceAsIcons, DEFAULT_DICE_AS_ICONS, 1);
    ReadSpeed(profile, s.Speed);
    ReadOption(profile, KEY_AUTO_CHANGE_TURN, s.AutoChangeTurn, DEFAULT_AUTO_CHANGE_TURN, 1);
    ReadOption(profile, KEY_LEVEL_OF_PLAY, s.LevelOfPlay, DEFAULT_LEVEL_OF_PLAY, LEVEL_EXPERT);
    ReadOption(profile, KEY_FIRST_MOVE_BY, s.FirstMoveBy, DEFAULT_FIRST_MOVE_BY, 2);
    ReadOption(profile, KEY_SHOW_PROGRESS, s.ShowProgress, DEFAULT_SHOW_PROGRESS, 1);
    ReadOption(profile, KEY_AUTO_FORCED_MOVES, s.AutoForcedMoves, DEFAULT_AUTO_FORCED_MOVES, 1);
    ReadOption(profile, KEY_HIT_SHAKE, s.HitShake, DEFAULT_HIT_SHAKE, 1);
    ReadOption(profile, KEY_HIGH_LIGHT, s.HighLight, DEFAULT_HIGH_LIGHT, 2);
    ReadOption(profile, KEY_INTEL_MOVES, s.IntelMoves, DEFAULT_INTEL_MOVES, 1);
    ReadOption(profile, KEY_DICE_MODE, s.DiceMode, DEFAULT_DICE_MODE, 2);
    ReadOption(profile, KEY_CLOCK_WISE, s.ClockWise, DEFAULT_CLOCK_WISE, 1);
    s.RollsList = profile.GetString(SECTION_OPTIONS, KEY_ROLLS_LIST, s.RollsList);

    for (int event = 0; event < SOUND_EVENTS; ++event) {
        s.SoundFile[event] = profile.GetString(SECTION_SOUNDS, SOUND_KEYS[event], s.SoundFile[event]);
        ReadRanged(profile, SECTION_SOUNDS, SoundActiveKey(event).c_str(), s.SoundActive[event], 0, 0, 1);
    }

    s.Score[HUMAN] = profile.GetInt(SECTION_GAME, KEY_HUMAN, s.Score[HUMAN]);
    s.Score[COMPUTER] = profile.GetInt(SECTION_GAME, KEY_COMPUTER, s.Score[COMPUTER]);
    s.ScoreStored = s.Score;

    // An unknown scheme number means the first scheme; the key keeps its value.
    ReadOption(profile, KEY_CUR_SCHEME, s.CurScheme, DEFAULT_CUR_SCHEME, COLOUR_SCHEMES - 1);
    ReadOption(profile, KEY_TUTOR, s.Tutor, DEFAULT_TUTOR, 1);
    ReadRanged(profile, SECTION_OPTIONS, KEY_TUTOR_THRESHOLD, s.TutorThreshold, DEFAULT_TUTOR_THRESHOLD, 1, 3);
}

void WriteGamePage(Profile& profile, const Settings& s)
{
    profile.WriteInt(SECTION_OPTIONS, KEY_FIRST_MOVE_BY, s.FirstMoveBy);
    profile.WriteInt(SECTION_OPTIONS, KEY_USE_CUBE, s.UseCube);
    profile.WriteInt(SECTION_OPTIONS, KEY_AUTO_CHANGE_TURN, s.AutoChangeTurn);
    profile.WriteInt(SECTION_OPTIONS, KEY_AUTO_FORCED_MOVES, s.AutoForcedMoves);
    profile.WriteInt(SECTION_OPTIONS, KEY_INTEL_MOVES, s.IntelMoves);
    profile.WriteInt(SECTION_OPTIONS, KEY_LEVEL_OF_PLAY, s.LevelOfPlay);
}

// "ClockWise" is written only when the user changed it.
void WriteVisualPage(Profile& profile, const Settings& s, bool clockWiseChanged)
{
    profile.WriteInt(SECTION_OPTIONS, KEY_SHOW_PROGRESS, s.ShowProgress);
    profile.WriteInt(SECTION_OPTIONS, KEY_HIT_SHAKE, s.HitShake);
    profile.WriteInt(SECTION_OPTIONS, KEY_DICE_AS_ICONS, s.DiceAsIcons);
    profile.WriteInt(SECTION_OPTIONS, KEY_HIGH_LIGHT, s.HighLight);
    profile.WriteInt(SECTION_OPTIONS, KEY_AUTO_FINISH, s.AutoFinish);
    profile.WriteInt(SECTION_OPTIONS, KEY_SPEED, s.SpeedSetting());
    if (clockWiseChanged) profile.WriteInt(SECTION_OPTIONS, KEY_CLOCK_WISE, s.ClockWise);
}

void WriteDicePage(Profile& profile, const Settings& s)
{
    profile.WriteString(SECTION_OPTIONS, KEY_ROLLS_LIST, s.RollsList);
    profile.WriteInt(SECTION_OPTIONS, KEY_DICE_MODE, s.DiceMode);
}

void WriteSoundsPage(Profile& profile, const Settings& s)
{
    for (int event = 0; event < SOUND_EVENTS; ++event) {
        profile.WriteInt(SECTION_SOUNDS, SoundActiveKey(event), s.SoundActive[event]);
        profile.WriteString(SECTION_SOUNDS, SOUND_KEYS[event], s.SoundFile[event]);
    }
}

void WriteScores(Profile& profile, const Settings& s)
{
    profile.WriteInt(SECTION_GAME, KEY_HUMAN, s.Score[HUMAN]);
    profile.WriteInt(SECTION_GAME, KEY_COMPUTER, s.Score[COMPUTER]);
}

void SaveScores(Profile& profile, Settings& s)
{
    const Profile::Hold held = profile.Lock();
    for (const int player : {HUMAN, COMPUTER}) {
        const char* key = player == HUMAN ? KEY_HUMAN : KEY_COMPUTER;
        const int stored = profile.GetInt(SECTION_GAME, key, s.ScoreStored[player]);
        const std::int64_t unsaved = static_cast<std::int64_t>(s.Score[player]) - s.ScoreStored[player];
        const int total = SaturatingAdd(stored, unsaved);
        s.Score[player] = total;
        s.ScoreStored[player] = profile.WriteInt(SECTION_GAME, key, total) ? total : stored;
    }
}

void ResetScores(Profile& profile, Settings& s)
{
    const Profile::Hold held = profile.Lock();
    for (const int player : {HUMAN, COMPUTER}) {
        const char* key = player == HUMAN ? KEY_HUMAN : KEY_COMPUTER;
        const int stored = profile.GetInt(SECTION_GAME, key, s.ScoreStored[player]);
        s.Score[player] = 0;
        s.ScoreStored[player] = profile.WriteInt(SECTION_GAME, key, 0) ? 0 : stored;
    }
}

void WriteCurScheme(Profile& profile, const Settings& s)
{
    profile.WriteInt(SECTION_OPTIONS, KEY_CUR_SCHEME, s.CurScheme);
}

void WriteTutor(Profile& profile, const Settings& s)
{
    profile.WriteInt(SECTION_OPTIONS, KEY_TUTOR, s.Tutor);
    profile.WriteInt(SECTION_OPTIONS, KEY_TUTOR_THRESHOLD, s.TutorThreshold);
}
