// SPDX-License-Identifier: GPL-3.0-or-later
// The kept game's file: a position file with a trailer naming the game.
#include <gtest/gtest.h>

#include <vector>

#include "core/files/KeptGameFile.h"

namespace {

KeptRecord AGame()
{
    KeptRecord game;
    game.data.board = ToImage(WithFixedOwners(StandardSetup()));
    game.data.die = {3, 1, NO_VALUE, NO_VALUE};
    game.data.moves = 2;
    game.data.pipsRolledHuman = 4;
    game.id = 0x0123456789ABCDEFULL;
    game.stage = KeptStage::ComputerTurn;
    return game;
}

} // namespace

// The id and the stage come back as written; a file without the trailer is
// the human's turn named by its bytes, the same at every reading and another
// for other bytes; a damaged trailer or another length is no kept game.
TEST(KeptGameFile, TheTrailerNamesTheGameAndOlderFilesStillRead)
{
    const KeptRecord game = AGame();
    std::vector<std::uint8_t> bytes = EncodeKeptGame(game);
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(KEPT_FILE_SIZE));
    const std::optional<KeptRecord> back = DecodeKeptGame(bytes.data(), bytes.size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->id, game.id);
    EXPECT_EQ(back->stage, KeptStage::ComputerTurn);
    EXPECT_EQ(back->data, game.data);

    // Without the trailer.
    const std::optional<KeptRecord> older = DecodeKeptGame(bytes.data(), POSITION_FILE_SIZE);
    ASSERT_TRUE(older);
    EXPECT_EQ(older->stage, KeptStage::HumanTurn);
    EXPECT_EQ(older->data, game.data);
    EXPECT_EQ(DecodeKeptGame(bytes.data(), POSITION_FILE_SIZE)->id, older->id);
    std::vector<std::uint8_t> other(bytes.begin(), bytes.begin() + POSITION_FILE_SIZE);
    other[PositionFileOffset::Reserved] = 1; // a byte the reader ignores
    ASSERT_TRUE(DecodeKeptGame(other.data(), other.size()));
    EXPECT_NE(DecodeKeptGame(other.data(), other.size())->id, older->id);

    for (const int at : {POSITION_FILE_SIZE, POSITION_FILE_SIZE + 3, POSITION_FILE_SIZE + 12, KEPT_FILE_SIZE - 1}) {
        SCOPED_TRACE(at);
        std::vector<std::uint8_t> damaged = bytes;
        damaged[at] ^= 0x5A;
        EXPECT_FALSE(DecodeKeptGame(damaged.data(), damaged.size()));
    }
    std::vector<std::uint8_t> noId = bytes;
    for (int k = 0; k < 8; ++k) noId[POSITION_FILE_SIZE + 4 + k] = 0;
    EXPECT_FALSE(DecodeKeptGame(noId.data(), noId.size()));
    for (const std::size_t size : {std::size_t(285), std::size_t(287), std::size_t(KEPT_FILE_SIZE + 1)}) {
        std::vector<std::uint8_t> cut = bytes;
        cut.resize(size, 0);
        EXPECT_FALSE(DecodeKeptGame(cut.data(), cut.size())) << size;
    }
    // A position the position-file reader refuses.
    std::vector<std::uint8_t> badMagic = bytes;
    badMagic[0] = 33;
    EXPECT_FALSE(DecodeKeptGame(badMagic.data(), badMagic.size()));
}

TEST(KeptGameFile, IdsAsTextSkipWhatIsNoId)
{
    const std::vector<std::uint64_t> ids{1, 0xFFFFFFFFFFFFFFFFULL, 0x00A0000000000B00ULL};
    EXPECT_EQ(GameIdsText(ids), "0000000000000001 ffffffffffffffff 00a0000000000b00");
    EXPECT_EQ(ParseGameIds(GameIdsText(ids)), ids);
    EXPECT_EQ(ParseGameIds("zz 0000000000000000 12345  00000000000000A7 1234567890abcdef1"),
              std::vector<std::uint64_t>{0xA7});
}
