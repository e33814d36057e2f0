#include "core/settings/Settings.h"

#include "core/board/BoardData.h"
#include "core/settings/Profile.h"

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

// The stored speed is 0..50 (anything else reads as 38); the live value is the delay.
void ReadSpeed(const Profile& profile)
{
    int stored = profile.GetInt(SECTION_OPTIONS, KEY_SPEED, MAX_SPEED - Speed);
    if (stored < 0 || stored > MAX_SPEED) stored = DEFAULT_SPEED;
    Speed = MAX_SPEED - stored;
}

} // namespace

void ResetSettingsToDefaults()
{
    UseCube = DEFAULT_USE_CUBE;
    AutoFinish = DEFAULT_AUTO_FINISH;
    DiceAsIcons = DEFAULT_DICE_AS_ICONS;
    Speed = MAX_SPEED - DEFAULT_SPEED;
    AutoChangeTurn = DEFAULT_AUTO_CHANGE_TURN;
    LevelOfPlay = DEFAULT_LEVEL_OF_PLAY;
    FirstMoveBy = DEFAULT_FIRST_MOVE_BY;
    ShowProgress = DEFAULT_SHOW_PROGRESS;
    AutoForcedMoves = DEFAULT_AUTO_FORCED_MOVES;
    HitShake = DEFAULT_HIT_SHAKE;
    HighLight = DEFAULT_HIGH_LIGHT;
    IntelMoves = DEFAULT_INTEL_MOVES;
    DiceMode = DEFAULT_DICE_MODE;
    ClockWise = DEFAULT_CLOCK_WISE;
    RollsList = DEFAULT_ROLLS_LIST;
    CurScheme = DEFAULT_CUR_SCHEME;
    for (int event = 0; event < SOUND_EVENTS; ++event) {
        SoundFile[event] = DefaultSoundFile(event);
        SoundActive[event] = 0;
    }
    Score = {0, 0, 0};
}

// Reads the keys in the order start-up has always read them: the options,
// the sounds event by event, the scores, and the colour scheme last.
void LoadSettings(const Profile& profile)
{
    ReadOption(profile, KEY_USE_CUBE, UseCube, DEFAULT_USE_CUBE, 1);
    ReadOption(profile, KEY_AUTO_FINISH, AutoFinish, DEFAULT_AUTO_FINISH, 2);
    ReadOption(profile, KEY_DICE_AS_ICONS, DiceAsIcons, DEFAULT_DICE_AS_ICONS, 1);
    ReadSpeed(profile);
    ReadOption(profile, KEY_AUTO_CHANGE_TURN, AutoChangeTurn, DEFAULT_AUTO_CHANGE_TURN, 1);
    ReadOption(profile, KEY_LEVEL_OF_PLAY, LevelOfPlay, DEFAULT_LEVEL_OF_PLAY, 2);
    ReadOption(profile, KEY_FIRST_MOVE_BY, FirstMoveBy, DEFAULT_FIRST_MOVE_BY, 2);
    ReadOption(profile, KEY_SHOW_PROGRESS, ShowProgress, DEFAULT_SHOW_PROGRESS, 1);
    ReadOption(profile, KEY_AUTO_FORCED_MOVES, AutoForcedMoves, DEFAULT_AUTO_FORCED_MOVES, 1);
    ReadOption(profile, KEY_HIT_SHAKE, HitShake, DEFAULT_HIT_SHAKE, 1);
    ReadOption(profile, KEY_HIGH_LIGHT, HighLight, DEFAULT_HIGH_LIGHT, 2);
    ReadOption(profile, KEY_INTEL_MOVES, IntelMoves, DEFAULT_INTEL_MOVES, 1);
    ReadOption(profile, KEY_DICE_MODE, DiceMode, DEFAULT_DICE_MODE, 2);
    ReadOption(profile, KEY_CLOCK_WISE, ClockWise, DEFAULT_CLOCK_WISE, 1);
    RollsList = profile.GetString(SECTION_OPTIONS, KEY_ROLLS_LIST, RollsList);

    for (int event = 0; event < SOUND_EVENTS; ++event) {
        SoundFile[event] = profile.GetString(SECTION_SOUNDS, SOUND_KEYS[event], SoundFile[event]);
        ReadRanged(profile, SECTION_SOUNDS, SoundActiveKey(event).c_str(), SoundActive[event], 0, 0, 1);
    }

    Score[HUMAN] = profile.GetInt(SECTION_GAME, KEY_HUMAN, Score[HUMAN]);
    Score[COMPUTER] = profile.GetInt(SECTION_GAME, KEY_COMPUTER, Score[COMPUTER]);

    // An unknown scheme number means the first scheme; the key keeps its value.
    ReadOption(profile, KEY_CUR_SCHEME, CurScheme, DEFAULT_CUR_SCHEME, COLOUR_SCHEMES - 1);
}

void WriteGamePage(Profile& profile)
{
    profile.WriteInt(SECTION_OPTIONS, KEY_FIRST_MOVE_BY, FirstMoveBy);
    profile.WriteInt(SECTION_OPTIONS, KEY_USE_CUBE, UseCube);
    profile.WriteInt(SECTION_OPTIONS, KEY_AUTO_CHANGE_TURN, AutoChangeTurn);
    profile.WriteInt(SECTION_OPTIONS, KEY_AUTO_FORCED_MOVES, AutoForcedMoves);
    profile.WriteInt(SECTION_OPTIONS, KEY_INTEL_MOVES, IntelMoves);
    profile.WriteInt(SECTION_OPTIONS, KEY_LEVEL_OF_PLAY, LevelOfPlay);
}

// "ClockWise" is written only when the user changed it.
void WriteVisualPage(Profile& profile, bool clockWiseChanged)
{
    profile.WriteInt(SECTION_OPTIONS, KEY_SHOW_PROGRESS, ShowProgress);
    profile.WriteInt(SECTION_OPTIONS, KEY_HIT_SHAKE, HitShake);
    profile.WriteInt(SECTION_OPTIONS, KEY_DICE_AS_ICONS, DiceAsIcons);
    profile.WriteInt(SECTION_OPTIONS, KEY_HIGH_LIGHT, HighLight);
    profile.WriteInt(SECTION_OPTIONS, KEY_AUTO_FINISH, AutoFinish);
    profile.WriteInt(SECTION_OPTIONS, KEY_SPEED, SpeedSetting());
    if (clockWiseChanged) profile.WriteInt(SECTION_OPTIONS, KEY_CLOCK_WISE, ClockWise);
}

void WriteDicePage(Profile& profile)
{
    profile.WriteString(SECTION_OPTIONS, KEY_ROLLS_LIST, RollsList);
    profile.WriteInt(SECTION_OPTIONS, KEY_DICE_MODE, DiceMode);
}

void WriteSoundsPage(Profile& profile)
{
    for (int event = 0; event < SOUND_EVENTS; ++event) {
        profile.WriteInt(SECTION_SOUNDS, SoundActiveKey(event), SoundActive[event]);
        profile.WriteString(SECTION_SOUNDS, SOUND_KEYS[event], SoundFile[event]);
    }
}

void WriteScores(Profile& profile)
{
    profile.WriteInt(SECTION_GAME, KEY_HUMAN, Score[HUMAN]);
    profile.WriteInt(SECTION_GAME, KEY_COMPUTER, Score[COMPUTER]);
}

void WriteCurScheme(Profile& profile) { profile.WriteInt(SECTION_OPTIONS, KEY_CUR_SCHEME, CurScheme); }
