// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/app/StringTable.h"

#include <array>
#include <utility>

#include "program/platform/Catalogue.h"

namespace {

struct Entry {
    int id;
    const char* text;
};

constexpr Entry Strings[] = {
    {100, "st "},
    {101, "nd"},
    {102, "rd "},
    {103, "th "},
    {105, "from  "},
    {106, "  to  "},
    {107, "Dice: "},
    {108, "Computer doubles. -Ok ?"},
    {115, "Thinking..."},
    {116, "Moving..."},
    {117, "<Esc> or right mouse to undo"},
    {118, "You cannot move. Press spacebar or click dice"},
    {119, "= Computer leads by %d ="},
    {120, "= You lead by %d ="},
    {230, "%ld min %02ld sec"},
    {232, "Even"},
    {235, "Computer does not accept"},
    {240, "Settings"},
    {1047, "If there is any way to use both dice, then you must do so.\n\nPlease undo your move and try again."},
    {1048, "Scheme %c"},
    {1049, "Position files (*.pos)|*.pos|All files (*.*)|*.*||"},
    {1050, "Text files (*.txt)|*.txt|All files (*.*)|*.*||"},
    {1051, "Wave files (*.wav)|*.wav||"},
    {57345, "Click on position to leave from..."},
    {2001, "Click on position to move to..."},
    {2002, "Play the BAR piece first"},
    {2003, "No move"},
    {2004, "Keep <Esc> pressed to cancel"},
    {2005, "Start new game ?"},
    {2006, "Reset all scores to 0 ?"},
    {2007, "Invalid position file !"},
    {2008, "Invalid rolls file !"},
    {2009, " not found"},
    {2010, "Cannot save position file !"},
    {2011, " cannot be shown"},
    {2020, "Game resumed"},
    {2021, "Match files (*.mat)|*.mat|All files (*.*)|*.*||"},
    {2022, "Cannot write match file !"},
    {2023, "Only a game played from the starting position can be exported !"},
    {2030, "Cannot write settings file !\n\nScores and settings may be lost when the program ends."},
    {2040, "Position ID: %s\nMatch ID: %s\n\nBoth are on the clipboard."},
    {2041, "The clipboard holds no Position ID of a position that can be played."},
    {2042, "Hints are not available: %s."},
    {2060, "Analysis is not available: %s."},
    {2061, "Only a game begun in the starting position can be analysed."},
    {2050, "Your play %s is doubtful: it gives up %s points a game against %s."},
    {2051, "Your play %s is bad: it gives up %s points a game against %s."},
    {2052, "Your play %s is very bad: it gives up %s points a game against %s."},
    {2053, "The tutor is not available: %s."},
    {2054, "doubtful"},
    {2055, "bad"},
    {2056, "very bad"},
    {2057, "Your double is %s: it gives up %s points a game against not doubling."},
    {2058, "Your take is %s: it gives up %s points a game against a pass."},
    {2059, "Your pass is %s: it gives up %s points a game against a take."},
    // Status-bar prompts of the menu commands.
    {57600, "Abandon current game and start a new one"},
    {57601, "Restore a previously saved game"},
    {57604, "Save the current game"},
    {32788, "Write the game so far to a match file for analysis"},
    {32789, "Write the game finished last to a match file for analysis"},
    {32790, "Copy the Position ID and Match ID of the board to the clipboard"},
    {32791, "Set up the position whose ID is on the clipboard"},
    {229, "Adjust settings of gameplay and interface"},
    {226, "Reset the scores"},
    {209, "Show relative progress of game"},
    {216, "Undo last move(s)"},
    {227, "Double the stakes"},
    {218, "Unable to make a move"},
    {32774, "Give up this game"},
    {32773, "Play computer's best move"},
    {32792, "List the best plays of your roll with their equities"},
    {32793, "Judge every play and cube action of the game"},
    {32794, "Be warned before a weak play of yours passes"},
    {32771, "Switch sides with computer"},
    {32772, "Finish game; let program play both sides"},
    {32770, "Choose or edit a color scheme"},
    {32769, "Redraw the screen"},
    {57670, "Show help on game and program"},
    {32787, "Show documentation"},
    {57664, "About Tablor"},
};

// Scrambled texts (each byte + 100). Kept scrambled so that the fixed
// texts do not stand in the program file as plain strings.
template <std::size_t N> constexpr std::array<unsigned char, N> Scramble(const char (&plain)[N])
{
    std::array<unsigned char, N> out{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        out[i] = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) + 100);
    out[N - 1] = 0;
    return out;
}

constexpr auto Title = Scramble("Tablor");
constexpr auto Banner0 = Scramble("Backgammon game");
constexpr auto Banner1 = Scramble("(c)");
constexpr auto Banner2 = Scramble("Good luck!");
constexpr auto Suffix0 = Scramble(" Tablor");
constexpr auto Suffix1 = Scramble(" team, ");
constexpr auto Version = Scramble("Version 1.0");
constexpr auto Contact0 = Scramble("Tablor, a backgammon game for the desktop");
constexpr auto Contact1 = Scramble("Free software; see Documentation.htm");

} // namespace

const char* LoadString(int id)
{
    for (const Entry& e : Strings)
        if (e.id == id) return e.text;
    return "";
}

const char* LoadString(int id, const Catalogue& texts)
{
    const char* english = LoadString(id);
    return *english != 0 ? texts.Translate(english) : english;
}

std::vector<const char*> StringTableTexts()
{
    std::vector<const char*> texts;
    for (const Entry& e : Strings) texts.push_back(e.text);
    return texts;
}

std::string Unscramble(const unsigned char* stored)
{
    std::string out;
    for (const unsigned char* p = stored; *p != 0; ++p)
        out.push_back(static_cast<char>(static_cast<unsigned char>(*p - 100)));
    return out;
}

std::string ApplicationTitle() { return Unscramble(Title.data()); }

std::string BannerLine(int n)
{
    switch (n) {
    case 0:
        return Unscramble(Banner0.data());
    case 1:
        return Unscramble(Banner1.data());
    default:
        return Unscramble(Banner2.data());
    }
}

std::string BannerSuffix(int n) { return Unscramble(n == 0 ? Suffix0.data() : Suffix1.data()); }
std::string AboutVersion() { return Unscramble(Version.data()); }
std::string AboutContact(int n) { return Unscramble(n == 0 ? Contact0.data() : Contact1.data()); }
