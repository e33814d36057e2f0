// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Statistics" dialog as Qt shows it: the figures of the game, the graph
// of the human's winning percentage, drawn anew at every paint, and the
// choice of how to go on. Laid out in dialog units of its font.

#include <QRect>

#include "core/board/Position.h"
#include "shell/qt/dialogs/TablorDialog.h"

class QFont;
class QFrame;
class QLabel;
class StatDlg;

// Dialog units to pixels by the font's average character size: a horizontal
// unit is a quarter of the average character width, a vertical one an eighth
// of the character height, each rounded.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int du) const { return (du * charWidth + 2) / 4; }
    int Y(int du) const { return (du * charHeight + 4) / 8; }
    // A rectangle whose four edges are given in dialog units.
    QRect Map(const Rect& du) const
    {
        return QRect(QPoint(X(du.left), Y(du.top)), QPoint(X(du.right) - 1, Y(du.bottom) - 1));
    }

private:
    int charWidth;
    int charHeight;
};

class StatDlgView : public TablorDialog {
public:
    // `escHeld`: Esc is down as the dialog opens.
    StatDlgView(StatDlg& model, QWidget* parent, bool escHeld = false);

protected:
    void paintEvent(QPaintEvent* event) override;
    // An Esc that was already down when the dialog opened, and every repeat
    // of a held Esc, is ignored; a fresh press is Quit.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QLabel* AddLabel(const QString& text, const Rect& du, Qt::Alignment alignment, int id = 0);
    void AddTable();
    void AddChoices();

    StatDlg& model;
    DialogUnits units;
    QFrame* axis = nullptr;
    QFrame* baseLine = nullptr;
    bool escHeld = false;
};
