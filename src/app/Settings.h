#pragma once
// The live settings: program-wide variables named like their keys in the
// settings file, holding the defaults until LoadSettings reads the file.

#include <array>
#include <string>

class Profile;

// Section "Options".
inline int UseCube = 0;
inline int AutoFinish = 2;
inline int DiceAsIcons = 1;
// Held as the animation's per-step delay, 50 - the stored speed.
inline int Speed = 50 - 38;
inline int AutoChangeTurn = 0;
inline int LevelOfPlay = 2;
inline int FirstMoveBy = 2;
inline int ShowProgress = 1;
inline int AutoForcedMoves = 0;
inline int HitShake = 1;
inline int HighLight = 2;
inline int IntelMoves = 0;
inline int DiceMode = 0;
inline int ClockWise = 0;
inline std::string RollsList = ".\\rolls.txt";
inline int CurScheme = 0;

// Section "Sounds": the five events in list order.
constexpr int SOUND_EVENTS = 5;
enum SoundEvent { SOUND_DICE = 0, SOUND_MOVE = 1, SOUND_HIT = 2, SOUND_WIN = 3, SOUND_LOSE = 4 };
inline std::array<std::string, SOUND_EVENTS> SoundFile{"dice.wav", "piece.wav", "hit.wav", "youwin.wav",
                                                       "youlose.wav"};
inline std::array<int, SOUND_EVENTS> SoundActive{0, 0, 0, 0, 0};

// Section "Game": accumulated points, indexed by player (slot 0 unused).
inline std::array<int, 3> Score{0, 0, 0};

// The stored speed (1..50 as the settings page shows it) from the live delay.
inline int SpeedSetting() { return 50 - Speed; }
