// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every English text of the program as a C++ source of
// QT_TRANSLATE_NOOP lines, so that lupdate takes the program's texts into the
// translations with the shell's own (the program itself has no Qt to mark
// them).
#include <cstdio>
#include <string>

#include "program/app/ProgramTexts.h"

namespace {

// The text as a C string literal.
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else
            out += c;
    }
    return out + "\"";
}

} // namespace

int main()
{
    std::string out = "// Written by tablor-texts: the program's texts for lupdate.\n";
    for (const std::string& text : ProgramTexts()) out += "QT_TRANSLATE_NOOP(\"Tablor\", " + Quoted(text) + ");\n";
    return std::fputs(out.c_str(), stdout) < 0 || std::fflush(stdout) != 0 ? 1 : 0;
}
