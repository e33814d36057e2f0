#include "board/RulesEngine.h"

const std::array<std::array<std::uint8_t, 2>, 36> OpeningTable{};

struct RulesEngine::Search {};

std::int32_t RulesEngine::ChooseMove(bool) { return 0; }
bool RulesEngine::AcceptDouble() const { return false; }
std::int32_t RulesEngine::DoublingBalance() const { return 0; }
std::int32_t RulesEngine::ExposedBlots(int) const { return 0; }
std::int32_t RulesEngine::Lead(int) const { return 0; }
void RulesEngine::DropUnusableDice() {}
void RulesEngine::SearchPlays(Search&, int) {}
void RulesEngine::Evaluate(Search&) {}
