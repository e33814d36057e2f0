#include "program/dialogs/PlayOpts.h"

#include "core/board/BoardData.h"
#include "core/settings/Settings.h"

void PlayOpts::Load()
{
    if (skillList.empty()) skillList.assign(SKILL_NAMES.begin(), SKILL_NAMES.end());
    levelOfPlay = LevelOfPlay;
    autoChangeTurn = AutoChangeTurn;
    autoForcedMoves = AutoForcedMoves;
    useCube = UseCube;
    intelMoves = IntelMoves;
    firstMoveBy = FirstMoveBy;
    humanScore = std::to_string(Score[HUMAN]);
    computerScore = std::to_string(Score[COMPUTER]);
}

// The scores are only shown: they are never written back.
void PlayOpts::Apply()
{
    FirstMoveBy = firstMoveBy;
    UseCube = useCube;
    AutoChangeTurn = autoChangeTurn;
    AutoForcedMoves = autoForcedMoves;
    IntelMoves = intelMoves;
    LevelOfPlay = levelOfPlay;
    WriteGamePage(context.profile);
}
