// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A catalogue for tests that shows which texts went through translation.

#include <map>
#include <string>

#include "program/app/ProgramTexts.h"
#include "program/platform/Catalogue.h"

// A language of brackets: each text the program knows comes back as
// "[text]", any other text (a text the program composed) as itself.
class Brackets : public Catalogue {
public:
    Brackets()
    {
        for (const std::string& text : ProgramTexts()) translated[text] = "[" + text + "]";
    }
    const char* Translate(const char* english) const override
    {
        const auto found = translated.find(english);
        return found != translated.end() ? found->second.c_str() : english;
    }

private:
    std::map<std::string, std::string> translated;
};
