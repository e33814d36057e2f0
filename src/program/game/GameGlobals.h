#pragma once
// Program-wide flags and the statistics counters of the game in progress,
// indexed by player (slot 0 unused).

#include <array>

// The program plays both sides (Finish game).
inline bool AutoPlay = false;
// With AutoPlay: skip every pause, animation delay and the move and hit sounds.
inline bool FastFinish = false;
// A move was taken back in this turn; blocks automatic forced moves.
inline bool UndoUsed = false;

inline std::array<int, 3> ScoreSinceStart{0, 0, 0};
inline std::array<int, 3> HitsMade{0, 0, 0};
inline std::array<int, 3> PipsRolled{0, 0, 0};
inline std::array<int, 3> DoublesRolled{0, 0, 0};
// Milliseconds each side spent deciding, held as a clock: 0 or more is
// stopped, negative is running (the start tick subtracted).
inline std::array<int, 3> ThinkingTime{0, 0, 0};

// The location under the hover highlight, -1 for none.
inline int lastHovered = -1;

// Resets the flags and counters as at start-up (tests start each case so).
void ResetGameGlobals();
