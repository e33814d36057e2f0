// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language: the program asks the catalogue for each English
// text it shows and gets the text in that language, or the English text back
// where there is none. The shell fills it from its translations; without one
// every text is the program's own English.

class Catalogue {
public:
    virtual ~Catalogue() = default;

    // `english` in the player's language: a text that lives as long as the
    // catalogue, or `english` itself (the same pointer) when there is no
    // translation of it.
    virtual const char* Translate(const char* english) const { return english; }
};

// The catalogue that leaves every text English.
const Catalogue& EnglishTexts();
