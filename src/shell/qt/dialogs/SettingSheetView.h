// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Settings" sheet as Qt shows it: a tab for each page of the model, the
// page's controls bound to the page's copies, and OK, Cancel and Help. Leaving
// a page (another tab, or OK) goes through the model's check: a refused page
// shows the prompt, gives the focus to the bad field and stays in front.

class QWidget;
class SettingSheet;

// Runs the sheet modally on the model's active page; IDOK after the model
// accepted OK (the pages have applied their values), IDCANCEL otherwise.
int ExecSettingSheet(SettingSheet& sheet, QWidget* parent);
