// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/PlayOpts.h"

#include "core/board/BoardData.h"
#include "core/settings/Settings.h"

void PlayOpts::Load()
{
    const Settings& s = context.settings;
    if (skillList.empty()) skillList.assign(SKILL_NAMES.begin(), SKILL_NAMES.end());
    expertAvailable = context.expertAvailable;
    levelOfPlay = s.LevelOfPlay == LEVEL_EXPERT && !expertAvailable ? LEVEL_GOOD : s.LevelOfPlay;
    autoChangeTurn = s.AutoChangeTurn;
    autoForcedMoves = s.AutoForcedMoves;
    useCube = s.UseCube;
    intelMoves = s.IntelMoves;
    firstMoveBy = s.FirstMoveBy;
    humanScore = std::to_string(s.Score[HUMAN]);
    computerScore = std::to_string(s.Score[COMPUTER]);
}

// The scores are only shown: they are never written back.
void PlayOpts::Apply()
{
    Settings& s = context.settings;
    s.FirstMoveBy = firstMoveBy;
    s.UseCube = useCube;
    s.AutoChangeTurn = autoChangeTurn;
    s.AutoForcedMoves = autoForcedMoves;
    s.IntelMoves = intelMoves;
    s.LevelOfPlay = levelOfPlay;
    WriteGamePage(context.profile, s);
}
