// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Choose or edit a color scheme" dialog as Qt shows it: the six colour
// labels painted in the shown scheme, their ".." buttons, the list of schemes
// and the buttons. Every change goes through the model, which shows it on the
// board at once; `boardChanged` then brings the board on screen up to date
// while the dialog is still open.

#include <functional>

class BackgClr;
class QWidget;

// Runs the dialog modally over an opened model; OK keeps the shown scheme
// (IDOK), Cancel, Esc and the close box put the old colours back (IDCANCEL).
int ExecColourDlg(BackgClr& dialog, QWidget* parent, const std::function<void()>& boardChanged = {});
