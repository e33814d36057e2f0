// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/game/BackgWnd.h"

#include "core/files/SchemeFile.h"
#include "program/app/StringTable.h"
#include "program/game/Commands.h"
#include "program/input/Menu.h"
#include "program/view/Locations.h"

BackgWnd::BackgWnd(Platform& p, const AppPaths& appPaths, Settings& appSettings, ExpertWeights expertWeights)
    : platform(p), settings(appSettings), paths(appPaths),
      profile(appPaths.profilePath), context{p,     appSettings, paths, profile, queue, game,     view,
                                             panel, input,       cube,  turns,   kept,  commands, expert},
      view(context), game(DrawingLocations(view)), panel(context), input(context), cube(context), turns(context),
      kept(context), commands(context), expert(std::move(expertWeights))
{
    platform.Attach(this);
    // Every write of the settings file, and the scores and the graph at the
    // end of a game, keep other copies of the program in this folder out.
    profile.SetLocker([this] { return platform.LockFolder(paths.folder); });
    // A score or a setting that cannot be written is kept in memory only: the
    // player hears of it once, not at every write that fails the same way.
    profile.SetWriteFailed([this] {
        if (toldWriteFailed) return;
        toldWriteFailed = true;
        platform.MessageBox(LoadString(IDS_CANNOT_WRITE_SETTINGS, platform.Texts()), Buttons::Ok, Icon::Exclamation);
    });
    game.random.Seed(static_cast<std::uint32_t>(platform.Now()));
    LoadSettings(profile, settings);
    expertNoticePending = settings.LevelOfPlay == LEVEL_EXPERT && !expert.Available();
    // The Expert's search looks at the window every EXPERT_LOOK_MS: the board
    // is repainted and a close request is answered while it thinks (on the
    // real window a close inside a handler ends the program in the look).
    expert.SetWindowLook([this] { return platform.TickCount(); },
                         [this] {
                             platform.Sleep(0);
                             return !context.quitRequested;
                         });
    view.Colours() = ReadCurrentScheme(paths.schemePath, settings.CurScheme);
    view.OnSize();
    platform.StartTimer(BLINK_TIMER, BLINK_INTERVAL_MS);
    kept.StartOrResume();
}

int WindowContext::PlayedLevel() const { return expert.PlayedLevel(settings.LevelOfPlay); }

BackgWnd::~BackgWnd()
{
    game.board.Destroy();
    platform.Attach(nullptr);
}

void BackgWnd::PumpMessages()
{
    if (pumpDepth > 0) return; // the outer loop goes on with what is queued
    ++pumpDepth;
    if (expertNoticePending && !context.quitRequested) {
        expertNoticePending = false;
        platform.UpdateNow();
        platform.MessageBox(ExpertUnavailableText(expert.Error(), platform.Texts()), Buttons::Ok, Icon::Exclamation);
    }
    while (!queue.Empty() && !context.quitRequested) Dispatch(queue.Pop());
    --pumpDepth;
}

void BackgWnd::Dispatch(const Message& m)
{
    // A press on a control is the control's own: only the end-of-turn
    // confirmation looks at it.
    if (context.quitRequested || PreTranslateMessage(m) || m.onControl) return;
    switch (m.kind) {
    case MessageKind::KeyDown:
        if (int command = AcceleratorCommand(m))
            commands.OnCommand(command, CommandSource::Accelerator);
        else
            input.OnKeyDown(m);
        break;
    case MessageKind::LButtonDown:
        break;
    case MessageKind::LButtonUp:
        input.OnLButtonUp(m.x, m.y);
        break;
    case MessageKind::RButtonDown:
        input.OnRButtonDown(m.x, m.y);
        break;
    case MessageKind::RButtonUp:
        break;
    case MessageKind::MouseMove:
        input.OnMouseMove(m.x, m.y);
        break;
    case MessageKind::Command:
        commands.OnCommand(m.command, m.source);
        break;
    case MessageKind::Timer:
        panel.OnTimer(m.timerId);
        break;
    case MessageKind::KillFocus:
        // Letters typed after a click into the move list still reach the board.
        if (m.toMoveList) platform.SetFocusToMain();
        break;
    }
}

bool BackgWnd::PreTranslateMessage(const Message& m)
{
    if (!game.WaitingConfirm) return false;
    const bool command = m.kind == MessageKind::Command && m.source != CommandSource::Posted;
    if (m.kind != MessageKind::KeyDown && m.kind != MessageKind::LButtonDown && m.kind != MessageKind::RButtonDown &&
        !command)
        return false;
    platform.SetCursor(CursorKind::Arrow);
    platform.UpdateNow();
    game.WaitingConfirm = false;
    game.HoldTurn = false;
    // Esc, the right button and Undo take the last move back; a right press
    // on a control does so here, as the control would not.
    if (m.kind == MessageKind::RButtonDown && m.onControl) {
        input.OnRButtonDown(m.x, m.y);
        return true;
    }
    if (m.kind == MessageKind::RButtonDown || (m.kind == MessageKind::KeyDown && m.key == VK_ESCAPE && !m.ctrl) ||
        (command && m.command == ID_UNDO))
        return false;
    turns.PassToComputer();
    return true;
}
