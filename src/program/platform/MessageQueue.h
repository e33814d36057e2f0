// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's message queue: input from the window system and the
// commands the program posts to itself. As in the window system the program
// was made for, a posted command is handled before input that waits: the
// click that confirms the end of a turn is followed by the computer's turn,
// whose start then discards the button's release.

#include <algorithm>
#include <deque>

#include "program/platform/Message.h"

class MessageQueue {
public:
    void Post(const Message& m)
    {
        if (m.kind == MessageKind::Command && m.source == CommandSource::Posted)
            posted_.push_back(m);
        else
            input_.push_back(m);
    }
    bool Empty() const { return posted_.empty() && input_.empty(); }
    std::size_t Size() const { return posted_.size() + input_.size(); }
    Message Pop()
    {
        std::deque<Message>& from = posted_.empty() ? input_ : posted_;
        Message m = from.front();
        from.pop_front();
        return m;
    }
    // Whether a posted command with this id waits.
    bool HasPosted(int command) const
    {
        return std::any_of(posted_.begin(), posted_.end(),
                           [command](const Message& m) { return m.command == command; });
    }
    // Removes every queued key, mouse, command and timer message without
    // handling it: posted commands that have not run yet are dropped too.
    void FlushInput()
    {
        posted_.clear();
        input_.erase(std::remove_if(input_.begin(), input_.end(),
                                    [](const Message& m) { return m.kind != MessageKind::KillFocus; }),
                     input_.end());
    }

private:
    std::deque<Message> posted_;
    std::deque<Message> input_;
};
