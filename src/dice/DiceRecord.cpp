#include "dice/DiceRecord.h"

bool DiceRecord::RollDice(RulesEngine*) { return false; }
bool DiceRecord::RemoveDie(int) { return false; }
void DiceRecord::GiveBackDie(int) {}
void DiceRecord::CloseRollsFile() {}
void DiceRecord::SetRoll(int, int) {}
int DiceRecord::ReadFileDie() { return 0; }
