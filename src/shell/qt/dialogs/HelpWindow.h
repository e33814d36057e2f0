// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the program's own help pages, bundled as resources, in one
// non-modal window that is reused for every request.

class QString;
class QTextBrowser;
class QWidget;

// Shows the help topic of a context (155 settings, 105 colours, 115 resign,
// 120 auto finish; 0 or any other the default topic), placed by `parent`
// when the window is first opened.
void ShowHelp(int context, QWidget* parent);
// Shows a page of HTML from a file in the help window; false when the file
// cannot be read.
bool ShowHelpFile(const QString& path, QWidget* parent);

// The resource URL of a context's topic.
const char* HelpPage(int context);

// The help window, nullptr while none is open.
QTextBrowser* HelpBrowser();
