// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Sounds" page of the settings sheet: for each of the five sound events
// the wave file it plays and whether it is on.

#include <array>
#include <string>
#include <vector>

#include "core/settings/Settings.h"
#include "program/dialogs/OptsPage.h"

class SndOpts : public OptsPage {
public:
    static constexpr int IDD = 228;
    static constexpr const char* TITLE = "Sounds";
    static constexpr int ID_EVENT = 1180;
    static constexpr const char* EVENT_LABEL = "&Event";
    // The events in list order, which is the order of SoundEvent.
    static constexpr std::array<const char*, SOUND_EVENTS> EVENT_NAMES{"Dice roll", "Piece moves", "Piece is hit",
                                                                       "User wins a game", "User loses a game"};
    static constexpr int ID_ACTIVE = 1176;
    static constexpr const char* ACTIVE_TEXT = "&Active";
    static constexpr int ID_PATH = 1178;
    static constexpr const char* PATH_LABEL = "&Sound to play";
    static constexpr int ID_BROWSE = 1179;
    static constexpr const char* BROWSE_TEXT = "...";
    static constexpr const char* BROWSE_INITIAL_NAME = "*.wav";
    static constexpr int ID_PLAY = 1177;
    // The picture on the play button: a black triangle pointing right.
    static constexpr int PLAY_PICTURE = 31241;

    using OptsPage::OptsPage;

    const char* Title() const override { return TITLE; }
    // Copies the live paths and flags, fills the list and selects "Dice roll".
    void Load() override;
    // Copies and writes every event's flag and then its file, changed or not.
    void Apply() override;

    // The controls show event `event` (0..4).
    void SelectEvent(int event);
    // The "&Active" box and the path edit of the selected event.
    bool Active() const { return active[selected] != 0; }
    const std::string& Path() const { return files[selected]; }
    void SetActive(bool on);
    void SetPath(const std::string& text);
    // The open-file dialog for a wave file; a confirmed file becomes the
    // selected event's path. False when cancelled.
    bool Browse();
    // Plays the selected event's path now, asynchronously, on or not.
    void Play();

    std::vector<std::string> eventList;
    std::array<std::string, SOUND_EVENTS> files;
    std::array<int, SOUND_EVENTS> active{};
    int selected = 0;
};
