// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language in the window. The translations (res/translations,
// built into the program) hold the program's English texts and the shell's
// own under one context, "Tablor"; the desktop's locale picks one at start-up,
// and without one every text stays the program's English, byte for byte.

#include <QString>

#include <string>
#include <unordered_map>

#include "program/platform/Catalogue.h"

class QCoreApplication;
class QLocale;

// The context of every text in the translations.
inline constexpr const char* TEXT_CONTEXT = "Tablor";

// An English text of the program or the shell in the player's language.
QString Tr(const char* english);
QString Tr(const std::string& english);

// The loaded translation as the program asks for it.
class QtCatalogue : public Catalogue {
public:
    const char* Translate(const char* english) const override;

private:
    // Each translated text once, so that the pointers handed out stay valid.
    mutable std::unordered_map<std::string, std::string> translated;
};

// Loads the translation for `locale` into the application: the program's
// texts and Qt's own (the buttons of message boxes, the file and colour
// dialogs). Returns the name of the program's translation loaded
// ("tablor_de"), empty when there is none for that language (English, "C").
QString InstallTranslations(QCoreApplication& application, const QLocale& locale);
