// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt views of the program's own dialogs. Each builds its dialog from the
// model, runs it modally, centred on `parent`, reports the user's actions to
// the model and returns how the dialog was closed: IDOK (1), IDCANCEL (2) or
// the id of the button that closed it. What the user chose stays in the model.

#include <memory>
#include <string>

class QWidget;
class StatDlg;
class GvUpDlg;
class FinishDlg;
class HintDlg;
class AnalysisDlg;
class ProgressWindow;
class TutorDlg;
class TutorWarning;
class AboutDlg;
class DiceDlg;

// "Statistics": 1 "&Again" (with model.rollChoice set), 2 "&Quit" (also Esc
// and the close box).
// `escHeld`: Esc was down as the dialog opened (the player held it to stop
// Finish game); that press, and its repeats, are not Quit.
int ExecStatDlg(StatDlg& dialog, QWidget* parent, bool escHeld = false);
// "Resign": the selected radio button's id on OK, 2 on Cancel.
int ExecResignDlg(GvUpDlg& dialog, QWidget* parent);
// "Auto finish": 3 "&Fast", 4 "&Slow", 2 Cancel.
int ExecFinishDlg(FinishDlg& dialog, QWidget* parent);
// "Hints": 1 "&Play" (the chosen row in the model) when the chosen play can
// be played, 2 "Close" (also Esc and the close box).
int ExecHintDlg(HintDlg& dialog, QWidget* parent);
// "Game analysis": 2 "Close" (also Esc and the close box).
int ExecAnalysisDlg(AnalysisDlg& dialog, QWidget* parent);
// A progress window over `parent`, shown at once; it closes when destroyed.
std::unique_ptr<ProgressWindow> OpenProgressWindow(const std::string& caption, const std::string& text,
                                                   QWidget* parent);
// "Tutor": 1 on OK (the choice in the model), 2 on Cancel.
int ExecTutorDlg(TutorDlg& dialog, QWidget* parent);
// The tutor's warning: 3 "&Play anyway", 4 "&Take back" (also Esc and the
// close box), 5 "&Show hint".
int ExecTutorWarning(TutorWarning& warning, QWidget* parent);
// "About": 2 ("&OK" has the Cancel id).
int ExecAboutDlg(AboutDlg& dialog, QWidget* parent);
// "Manual dice": 1 when OK accepted both boxes, 2 on Cancel.
int ExecDiceDlg(DiceDlg& dialog, QWidget* parent);
