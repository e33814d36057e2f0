// The game as position files hold it, and the suggestion of the human's move.
#include "program/app/StringTable.h"
#include "program/game/BackgWnd.h"
#include "program/game/GameGlobals.h"

std::vector<MovePair> BackgWnd::SuggestedMoves(bool useBook)
{
    std::array<std::pair<int, int>, 4> moves{};
    int count = 0;
    rules->SuggestMove(useBook, moves, count);
    std::vector<MovePair> out;
    for (int k = 0; k < count && k < 4; ++k) {
        const int to = moves[k].second > 255 ? 255 : moves[k].second;
        out.push_back(MovePair{static_cast<std::uint8_t>(moves[k].first), static_cast<std::uint8_t>(to)});
    }
    return out;
}

PositionFileData BackgWnd::CurrentPositionData() const
{
    PositionFileData d;
    d.board = ToImage(board.BoardTable);
    d.die = dice->die;
    d.moves = dice->moves;
    d.movesMade = MovesMade;
    d.race = rules->race ? 1 : 0;
    d.thinkingTimeHuman = ThinkingTime[HUMAN];
    d.thinkingTimeComputer = ThinkingTime[COMPUTER];
    d.cubeOwner = CubeOwner;
    d.cubeValue = CubeValue;
    d.pipsRolledHuman = PipsRolled[HUMAN];
    d.pipsRolledComputer = PipsRolled[COMPUTER];
    d.computerMayDouble = ComputerMayDouble ? 1 : 0;
    d.doublesRolledHuman = DoublesRolled[HUMAN];
    d.doublesRolledComputer = DoublesRolled[COMPUTER];
    d.hitsMadeHuman = HitsMade[HUMAN];
    d.hitsMadeComputer = HitsMade[COMPUTER];
    return d;
}

void BackgWnd::LoadPosition(const PositionFileData& d)
{
    OpeningTurn = false;
    HideDice();
    board.BoardTable = WithFixedOwners(FromImage(d.board));
    board.Refill(board.BoardTable);
    dice->die = d.die;
    dice->moves = d.moves;
    MovesMade = 0; // a file never holds moves of the turn that Undo could take back
    rules->race = d.race != 0;
    ThinkingTime[HUMAN] = d.thinkingTimeHuman;
    ThinkingTime[COMPUTER] = d.thinkingTimeComputer;
    CubeOwner = d.cubeOwner;
    CubeValue = d.cubeValue;
    PipsRolled[HUMAN] = d.pipsRolledHuman;
    PipsRolled[COMPUTER] = d.pipsRolledComputer;
    ComputerMayDouble = d.computerMayDouble != 0;
    DoublesRolled[HUMAN] = d.doublesRolledHuman;
    DoublesRolled[COMPUTER] = d.doublesRolledComputer;
    HitsMade[HUMAN] = d.hitsMadeHuman;
    HitsMade[COMPUTER] = d.hitsMadeComputer;
    CurrentMoveIndex = MovesMade;
    TurnMoves.fill(MovePair{});
    UpdateCube();
    ResetMoveList();
    dice->RollDice();
    rules->UpdateRace();
    AddListLine(DiceText());
    PromptHumanMove(false);
    ShowDice();
    // Highlights drawn for the old position and dice are cleared.
    RefreshHover();
}
