#include "program/game/GameGlobals.h"

void ResetGameGlobals()
{
    AutoPlay = false;
    FastFinish = false;
    UndoUsed = false;
    ScoreSinceStart = {0, 0, 0};
    HitsMade = {0, 0, 0};
    PipsRolled = {0, 0, 0};
    DoublesRolled = {0, 0, 0};
    ThinkingTime = {0, 0, 0};
    lastHovered = -1;
}
