// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's pictures: die faces, the play triangle, the program icon and
// the confirmation cursor. The die faces, the play triangle and the cursor are
// SVG pictures of the resources (res/dice, res/play.svg, res/confirm.svg);
// without Qt's SVG module the same pictures are drawn in code.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// A die face of `value` (1..6) as a square picture `size` pixels wide: a
// rounded white square with a thin dark border and black pips. A value that
// is no die gives the face without pips. At a device pixel ratio above 1 the
// picture has that many times the pixels, drawn at that resolution.
QPixmap DieFace(int value, int size, qreal ratio = 1.0);

// The picture of the play button: a black triangle pointing right.
QIcon PlayIcon();

// The program's icon: one point of the board with two pieces on it.
QIcon ProgramIcon();

// The cursor of the end-of-turn confirmation: an arrow with a check mark,
// drawn at the device pixel ratio given.
QCursor ConfirmCursor(qreal ratio = 1.0);
