// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tutor: its dialog, which turns it on or off and chooses from which
// mark it warns, and the warning it gives before a weak play of the human
// passes: play it anyway, take it back, or take it back and see the hints.

#include <array>
#include <string>
#include <utility>

#include "program/dialogs/DialogButton.h"

class TutorDlg {
public:
    static constexpr int IDD = 312;
    static constexpr const char* CAPTION = "Tutor";
    static constexpr int ID_ON = 1401;
    static constexpr const char* ON_TEXT = "&Warn me before a play of mine passes that is";
    // The radio buttons by threshold (1 doubtful, 2 bad, 3 very bad).
    static constexpr std::array<int, 3> THRESHOLD_IDS{1402, 1403, 1404};
    static constexpr std::array<const char*, 3> THRESHOLD_TEXTS{"&doubtful or worse", "&bad or worse", "&very bad"};
    static constexpr DialogButton OK{1, "OK", true};
    static constexpr DialogButton CANCEL{2, "Cancel", false};

    TutorDlg(bool on, int threshold);

    bool On() const { return on; }
    void SetOn(bool value) { on = value; }
    int Threshold() const { return threshold; }
    // Chooses a threshold by its radio button; other ids change nothing.
    void Select(int radioId);
    int Selected() const { return THRESHOLD_IDS[static_cast<std::size_t>(threshold - 1)]; }
    // Whether the radio buttons can be used: only with the tutor on.
    bool ThresholdEnabled() const { return on; }

private:
    bool on;
    int threshold;
};

class TutorWarning {
public:
    static constexpr int IDD = 313;
    static constexpr const char* CAPTION = "Tutor";
    static constexpr DialogButton PLAY_ANYWAY{3, "&Play anyway", false};
    static constexpr DialogButton TAKE_BACK{4, "&Take back", true};
    static constexpr DialogButton SHOW_HINT{5, "&Show hint", false};
    static constexpr std::array<DialogButton, 3> BUTTONS{PLAY_ANYWAY, TAKE_BACK, SHOW_HINT};

    // `offerHint`: Show hint is offered (a play or a double, not an answer
    // to a double).
    explicit TutorWarning(std::string text, bool offerHint = true) : text(std::move(text)), offerHint(offerHint) {}
    const std::string& Text() const { return text; }
    bool OffersHint() const { return offerHint; }
    // What a result means: closing the window any other way (Esc, the close
    // box) takes back.
    int Answer(int result) const
    {
        return result == PLAY_ANYWAY.id || (result == SHOW_HINT.id && offerHint) ? result : TAKE_BACK.id;
    }

private:
    std::string text;
    bool offerHint;
};
