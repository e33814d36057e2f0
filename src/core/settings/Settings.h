// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings: every key of the settings file with its default and range,
// and the value that holds them all.

#include <array>
#include <string>

class Profile;

// Sections and keys of the settings file.
constexpr const char* SECTION_OPTIONS = "Options";
constexpr const char* SECTION_SOUNDS = "Sounds";
constexpr const char* SECTION_GAME = "Game";

constexpr const char* KEY_USE_CUBE = "UseCube";
constexpr const char* KEY_AUTO_FINISH = "AutoFinish";
constexpr const char* KEY_DICE_AS_ICONS = "DiceAsIcons";
constexpr const char* KEY_SPEED = "Speed";
constexpr const char* KEY_AUTO_CHANGE_TURN = "AutoChangeTurn";
constexpr const char* KEY_LEVEL_OF_PLAY = "LevelOfPlay";
constexpr const char* KEY_FIRST_MOVE_BY = "FirstMoveBy";
constexpr const char* KEY_SHOW_PROGRESS = "ShowProgress";
constexpr const char* KEY_AUTO_FORCED_MOVES = "AutoForcedMoves";
constexpr const char* KEY_HIT_SHAKE = "HitShake";
constexpr const char* KEY_HIGH_LIGHT = "HighLight";
constexpr const char* KEY_INTEL_MOVES = "IntelMoves";
constexpr const char* KEY_DICE_MODE = "DiceMode";
constexpr const char* KEY_CLOCK_WISE = "ClockWise";
constexpr const char* KEY_ROLLS_LIST = "RollsList";
constexpr const char* KEY_CUR_SCHEME = "CurScheme";
constexpr const char* KEY_HUMAN = "Human";
constexpr const char* KEY_COMPUTER = "Computer";
// The ids of kept games that ended (or went out of date) while their kept
// file could be neither removed nor rewritten: they are never resumed.
constexpr const char* KEY_ENDED_GAMES = "EndedGames";
// The tutor: whether it watches the human's plays, and the mark (1 doubtful,
// 2 bad, 3 very bad) from which it warns. Written only by the tutor's dialog.
constexpr const char* KEY_TUTOR = "Tutor";
constexpr const char* KEY_TUTOR_THRESHOLD = "TutorThreshold";

// Section "Sounds": the five events in list order. Each event has a file key
// and an on/off key, the file key followed by "Active".
constexpr int SOUND_EVENTS = 5;
enum SoundEvent { SOUND_DICE = 0, SOUND_MOVE = 1, SOUND_HIT = 2, SOUND_WIN = 3, SOUND_LOSE = 4 };
constexpr std::array<const char*, SOUND_EVENTS> SOUND_KEYS{"DiceSound", "MoveSound", "HitSound", "WinSound",
                                                           "LoseSound"};
constexpr const char* SOUND_ACTIVE_SUFFIX = "Active";
constexpr std::array<const char*, SOUND_EVENTS> SOUND_BASE_NAMES{"dice", "piece", "hit", "youwin", "youlose"};
constexpr const char* SOUND_FILE_EXTENSION = ".wav";

// Built-in defaults. The speed is stored as 0..50; the animation waits
// MAX_SPEED - speed milliseconds per step.
constexpr int MAX_SPEED = 50;
constexpr int DEFAULT_SPEED = 38;
constexpr int DEFAULT_USE_CUBE = 0;
constexpr int DEFAULT_AUTO_FINISH = 2;
constexpr int DEFAULT_DICE_AS_ICONS = 1;
constexpr int DEFAULT_AUTO_CHANGE_TURN = 0;
constexpr int DEFAULT_LEVEL_OF_PLAY = 2;
// The levels of play: 0 "Poor", 1 "Average", 2 "Good", 3 "Expert" (the
// neural network, when its weights file can be read).
constexpr int LEVEL_GOOD = 2;
constexpr int LEVEL_EXPERT = 3;
constexpr int DEFAULT_FIRST_MOVE_BY = 2;
constexpr int DEFAULT_SHOW_PROGRESS = 1;
constexpr int DEFAULT_AUTO_FORCED_MOVES = 0;
constexpr int DEFAULT_HIT_SHAKE = 1;
constexpr int DEFAULT_HIGH_LIGHT = 2;
constexpr int DEFAULT_INTEL_MOVES = 0;
constexpr int DEFAULT_DICE_MODE = 0;
constexpr int DEFAULT_CLOCK_WISE = 0;
constexpr const char* DEFAULT_ROLLS_LIST = ".\\rolls.txt";
constexpr int DEFAULT_CUR_SCHEME = 0;
constexpr int COLOUR_SCHEMES = 4;
constexpr int DEFAULT_TUTOR = 0;
constexpr int DEFAULT_TUTOR_THRESHOLD = 2;

// The sound file an event plays until the user chooses another.
inline std::string DefaultSoundFile(int event) { return std::string(SOUND_BASE_NAMES[event]) + SOUND_FILE_EXTENSION; }
// The on/off key of an event.
inline std::string SoundActiveKey(int event) { return std::string(SOUND_KEYS[event]) + SOUND_ACTIVE_SUFFIX; }

// Every setting, named like its key in the settings file, and the scores.
// A value made with no file read holds the built-in defaults.
struct Settings {
    // Section "Options".
    int UseCube = DEFAULT_USE_CUBE;
    int AutoFinish = DEFAULT_AUTO_FINISH;
    int DiceAsIcons = DEFAULT_DICE_AS_ICONS;
    // Held as the animation's per-step delay, 50 - the stored speed.
    int Speed = MAX_SPEED - DEFAULT_SPEED;
    int AutoChangeTurn = DEFAULT_AUTO_CHANGE_TURN;
    int LevelOfPlay = DEFAULT_LEVEL_OF_PLAY;
    int FirstMoveBy = DEFAULT_FIRST_MOVE_BY;
    int ShowProgress = DEFAULT_SHOW_PROGRESS;
    int AutoForcedMoves = DEFAULT_AUTO_FORCED_MOVES;
    int HitShake = DEFAULT_HIT_SHAKE;
    int HighLight = DEFAULT_HIGH_LIGHT;
    int IntelMoves = DEFAULT_INTEL_MOVES;
    int DiceMode = DEFAULT_DICE_MODE;
    int ClockWise = DEFAULT_CLOCK_WISE;
    std::string RollsList = DEFAULT_ROLLS_LIST;
    int CurScheme = DEFAULT_CUR_SCHEME;
    int Tutor = DEFAULT_TUTOR;
    int TutorThreshold = DEFAULT_TUTOR_THRESHOLD;

    // Section "Sounds", indexed by SoundEvent.
    std::array<std::string, SOUND_EVENTS> SoundFile{DefaultSoundFile(0), DefaultSoundFile(1), DefaultSoundFile(2),
                                                    DefaultSoundFile(3), DefaultSoundFile(4)};
    std::array<int, SOUND_EVENTS> SoundActive{0, 0, 0, 0, 0};

    // Section "Game": accumulated points, indexed by player (slot 0 unused).
    std::array<int, 3> Score{0, 0, 0};
    // The scores as this copy of the program last read them from the file or
    // wrote them there; Score minus these is what it has not written yet.
    std::array<int, 3> ScoreStored{0, 0, 0};

    // The stored speed (1..50 as the settings page shows it) from the delay.
    int SpeedSetting() const { return MAX_SPEED - Speed; }
};

// Reads every key in start-up order, each with the value `settings` holds as
// its default; a value outside its key's range takes the key's built-in default.
void LoadSettings(const Profile& profile, Settings& settings);

// Writers: each writes its group of keys from `settings`, in order. A write
// that fails is told by the profile's write-failure notice.
void WriteGamePage(Profile& profile, const Settings& settings);
void WriteVisualPage(Profile& profile, const Settings& settings, bool clockWiseChanged);
void WriteDicePage(Profile& profile, const Settings& settings);
void WriteSoundsPage(Profile& profile, const Settings& settings);
void WriteScores(Profile& profile, const Settings& settings);

// Writes the scores at the end of a game. Other copies of the program may
// share the settings file, so under the file's lock the stored scores are read
// again and what this copy added since it last read or wrote them is added to
// them, held within the int32 limits; Score then holds that total. A score
// that cannot be written stays in Score and is added again next time.
void SaveScores(Profile& profile, Settings& settings);
// Reset scores: both written as 0 under the lock, and 0 in memory.
void ResetScores(Profile& profile, Settings& settings);
void WriteCurScheme(Profile& profile, const Settings& settings);
void WriteTutor(Profile& profile, const Settings& settings);
