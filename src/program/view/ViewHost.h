// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the board's locations ask of the main window while they lay
// themselves out, draw and animate their pieces.

#include "core/files/ColourScheme.h"
#include "core/settings/Settings.h"
#include "program/platform/Controls.h"
#include "program/platform/Surface.h"
#include "program/view/Metrics.h"

class ViewHost {
public:
    virtual ~ViewHost() = default;
    // The kept drawing context of the main window.
    virtual Surface& Screen() = 0;
    // The count label of tray 26 or 27.
    virtual TrayLabel& TrayControl(int location) = 0;
    // The board's sizes, the colours it is painted in, and the settings
    // (direction of play, shaking hit pieces).
    virtual const Metrics& DisplayMetrics() const = 0;
    virtual const ColourSet& SchemeColour() const = 0;
    virtual const Settings& Options() const = 0;
    // Whether tray `location` (26 or 27) is highlighted (its count in yellow).
    virtual bool TrayHighlighted(int location) const = 0;
    // One animation step's wait (50 - Speed ms), skipped when finishing quick.
    virtual void Delay() = 0;
    // The move or hit sound, unless finishing quick.
    virtual void PlayHitOrMove(int event) = 0;
    virtual bool UndoInProgressNow() const = 0;
    // The next number of the dice generator, for the hit shake. The shake
    // draws from the same generator as the dice, and means to: that is how
    // the game has always rolled, so a hit shaken (how many draws it takes
    // depends on the window's width) changes the rolls that follow, and the
    // rolls a seed gives are the same only at the same width.
    virtual int NextRandom() = 0;
    // A hit made by the side to move (the hitting piece's animation counts it).
    virtual void CountHit() = 0;
};
