// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's file-dialog filters in Qt's form.

#include <QString>

#include <string>

// "Name (*.ext)|*.ext|All files (*.*)|*.*||" becomes
// "Name (*.ext);;All files (*)": each description with its patterns in
// brackets, patterns separated by spaces, and "*.*" matching every name.
QString QtFileFilter(const std::string& filter);
