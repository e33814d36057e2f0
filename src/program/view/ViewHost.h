#pragma once
// What the board's locations ask of the main window while they draw and
// animate their pieces.

#include "program/platform/Controls.h"
#include "program/platform/Surface.h"

class ViewHost {
public:
    virtual ~ViewHost() = default;
    // The kept drawing context of the main window.
    virtual Surface& Screen() = 0;
    // The count label of tray 26 or 27.
    virtual TrayLabel& TrayControl(int location) = 0;
    // One animation step's wait (50 - Speed ms), skipped when finishing quick.
    virtual void Delay() = 0;
    // The move or hit sound, unless finishing quick.
    virtual void PlayHitOrMove(int event) = 0;
    virtual bool UndoInProgressNow() const = 0;
    virtual int NextRandom() = 0;
    // A hit made by the side to move (the hitting piece's animation counts it).
    virtual void CountHit() = 0;
};

// The host the locations draw through (the main window).
inline ViewHost* View = nullptr;
