// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/platform/Catalogue.h"

const Catalogue& EnglishTexts()
{
    static const Catalogue english;
    return english;
}
