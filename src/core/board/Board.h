// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The live board: 28 location objects, the side to move, and the table of
// the standard or last captured position, with the whole-board operations.

#include <array>
#include <functional>
#include <memory>

#include "core/board/BoardData.h"
#include "core/board/Position.h"

// Creates the object for one location; the program supplies the drawing
// classes, the core makes plain locations.
using LocationFactory = std::function<std::unique_ptr<Position>(Board&, int index, int owner)>;

using BoardSnapshot = std::array<PositionRecord, LOCATIONS>;

class Board {
public:
    explicit Board(LocationFactory factory = {});
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    Position& operator[](int i) { return *at[i]; }
    const Position& operator[](int i) const { return *at[i]; }
    bool Built() const { return at[0] != nullptr; }

    // The counts and owners of all 28 locations.
    BoardData Data() const;
    // Sets counts and owners without touching pieces' images (search,
    // look-ahead and their restore).
    void SetData(const BoardData& data);

    void SetFactory(LocationFactory factory);

    // Destroys the locations and creates them anew from BoardTable (reset
    // first when asked): points 1..24, then the bars 0 and 25, then the trays
    // 26 and 27; the bars and trays take their geometry from the points.
    void BuildBoard(bool reset);
    // Copies count and owner of all 28 locations into BoardTable.
    void CaptureBoard();
    // Zeroes BoardTable and writes the standard setup.
    void ResetBoardTable();
    // Refills every location from data without rebuilding: emptied by
    // RemovePiece, owner set, then AddPiece up to the count.
    void Refill(const BoardData& data);
    // Destroys all locations, last created first.
    void Destroy();

    std::array<std::unique_ptr<Position>, LOCATIONS> at;
    // The side whose move is made, shown or searched (1 computer, 2 human).
    int CurrentPlayer = NOBODY;
    // The standard position, or the position as of the last capture.
    BoardData BoardTable{};

private:
    LocationFactory factory_;
};

BoardSnapshot SnapshotBoard(const Board& board);
void RestoreBoard(const BoardSnapshot& snapshot, Board& board);

// Turns the board end for end as the other player sees it (geometry moves
// with the data, so applying it twice restores the board exactly).
void MirrorBoard(Board& board);

int PiecesInRange(int first, int last, const Board& board, int p);
int PipCount(const Board& board, int p);
int QuarterCount(const Board& board, int p);
