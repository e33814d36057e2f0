// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/game/DoublingCube.h"

#include <cstdio>
#include <optional>

#include "core/neural/Analysis.h"
#include "program/app/StringTable.h"
#include "program/dialogs/TutorDlg.h"
#include "program/game/Commands.h"
#include "program/game/ExpertPlayer.h"
#include "program/game/SavedGame.h"
#include "program/game/TurnCycle.h"
#include "program/view/SidePanel.h"

DoublingCube::DoublingCube(WindowContext& context)
    : ctx(context), platform(context.platform), settings(context.settings), game(context.game)
{
}

bool DoublingCube::ComputerWantsToDouble() const
{
    if (!settings.UseCube || !game.ComputerMayDouble || game.AutoPlay || game.CubeOwner == HUMAN ||
        game.CubeValue >= 64 || PiecesInRange(14, 25, game.board, game.CurrentPlayer()) == 1)
        return false;
    if (ctx.PlayedLevel() == LEVEL_EXPERT) {
        // The computer is on roll and has not rolled yet.
        const CubeHolder holder = CubeHolderFor(game, COMPUTER);
        return ctx.expert.Cube(game.board.Data(), COMPUTER, holder).shouldDouble;
    }
    return game.rules->DoublingBalance() <= -DOUBLING_THRESHOLD;
}

bool DoublingCube::ComputerTakes() const
{
    if (ctx.PlayedLevel() != LEVEL_EXPERT) return game.rules->AcceptDouble();
    // The human doubles with its roll on the board; the Expert answers on the
    // chances of the position before the roll.
    const CubeHolder holder = CubeHolderFor(game, HUMAN);
    return ctx.expert.Cube(game.board.Data(), HUMAN, holder).shouldTake;
}

bool DoublingCube::TutorWatches() const { return settings.Tutor && !game.AutoPlay && ctx.expert.Available(); }

int DoublingCube::TutorAnswer(int textId, double loss, bool offerHint)
{
    const Mark mark = MarkOf(1000 * loss);
    if (static_cast<int>(mark) < settings.TutorThreshold || mark == Mark::None) return TutorWarning::PLAY_ANYWAY.id;
    char figure[16];
    std::snprintf(figure, sizeof figure, "%.3f", loss);
    char text[512];
    std::snprintf(text, sizeof text, LoadString(textId, platform.Texts()),
                  LoadString(IDS_MARK_DOUBTFUL + static_cast<int>(mark) - 1, platform.Texts()), figure);
    TutorWarning warning(text, offerHint);
    return warning.Answer(platform.RunTutorWarning(warning));
}

void DoublingCube::ComputerOffersDouble()
{
    ctx.panel.ShowProgressText();
    // The tutor judges a take or a pass on the computer's chances before its
    // roll; Take back asks again.
    std::optional<CubeDecision> judged;
    int answer = 0;
    for (;;) {
        answer = platform.MessageBox(LoadString(IDS_COMPUTER_DOUBLES, platform.Texts()), Buttons::YesNoCancel,
                                     Icon::Question);
        if ((answer != IDYES && answer != IDNO) || !TutorWatches()) break;
        if (!judged) {
            const CubeHolder holder = CubeHolderFor(game, COMPUTER);
            judged = ctx.expert.JudgeCube(game.board.Data(), COMPUTER, holder);
        }
        const bool took = answer == IDYES;
        if (TutorAnswer(took ? IDS_TUTOR_TAKE : IDS_TUTOR_PASS, TakeLoss(*judged, took), false) ==
            TutorWarning::PLAY_ANYWAY.id)
            break;
    }
    switch (answer) {
    case IDYES:
        game.record.Double(COMPUTER, game.CubeValue * 2);
        game.record.Take(HUMAN);
        game.CubeValue *= 2;
        game.CubeOwner = HUMAN;
        UpdateCube();
        break;
    case IDNO:
        game.record.Double(COMPUTER, game.CubeValue * 2);
        game.record.Drop(HUMAN);
        game.Winner = COMPUTER;
        break;
    default:
        game.ComputerMayDouble = false;
        break;
    }
    platform.Status().SetPaneText(PANE_NOTICE, "");
}

void DoublingCube::HumanDoubles()
{
    // The tutor judges the double on the chances before the roll, as the
    // computer answers it.
    if (TutorWatches()) {
        const CubeHolder holder = CubeHolderFor(game, HUMAN);
        const CubeDecision c = ctx.expert.JudgeCube(game.board.Data(), HUMAN, holder);
        const int answer = TutorAnswer(IDS_TUTOR_DOUBLE, DoubleLoss(c, true), true);
        if (answer == TutorWarning::SHOW_HINT.id) ctx.PostCommand(ID_HINTS);
        if (answer != TutorWarning::PLAY_ANYWAY.id) return;
    }
    platform.SetFocusToMain();
    platform.SetCursor(CursorKind::Wait);
    ctx.turns.Pause(DOUBLE_ANSWER_PAUSE_MS);
    platform.SetCursor(CursorKind::Arrow);
    game.ComputerMayDouble = true;
    if (ComputerTakes()) {
        game.record.Double(HUMAN, game.CubeValue * 2);
        game.record.Take(COMPUTER);
        game.CubeValue *= 2;
        game.CubeOwner = COMPUTER;
        UpdateCube();
    } else if (platform.MessageBox(LoadString(IDS_NOT_ACCEPTED, platform.Texts()), Buttons::OkCancel,
                                   Icon::Information) == IDOK) {
        game.record.Double(HUMAN, game.CubeValue * 2);
        game.record.Drop(COMPUTER);
        ctx.turns.EndGame(HUMAN, false);
        return;
    }
    // The kept turn follows the cube: a restart must not offer the same double again.
    ctx.kept.Keep();
}

void DoublingCube::UpdateCube()
{
    platform.Cube().SetText(game.CubeValue == 1 ? "64" : std::to_string(game.CubeValue));
    ctx.panel.PlaceCube();
    RefreshButton();
}

void DoublingCube::RefreshButton() { platform.Cube().Enable(DoubleEnabled()); }

bool DoublingCube::DoubleEnabled() const
{
    return settings.UseCube && game.MovesMade == 0 && game.CubeOwner != COMPUTER && game.CubeValue != 64;
}
