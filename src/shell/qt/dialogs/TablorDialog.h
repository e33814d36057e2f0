// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame every dialog view of the program shares: a fixed modal dialog that
// answers IDOK and IDCANCEL as the program counts them (Esc and the close box
// are Cancel), opens help at its own context on F1, and marks its controls
// with the program's ids so that they can be found by id.

#include <QDialog>

#include <string>

struct DialogButton;
class QPushButton;

// The property holding a control's id, and the one naming the dialog for the
// help command ("Resign", "AutoFinish").
inline constexpr const char* CONTROL_ID_PROPERTY = "controlId";
inline constexpr const char* DIALOG_NAME_PROPERTY = "tablorDialog";

class TablorDialog : public QDialog {
public:
    // `name` is the value of the dialog's name property ("" for none);
    // `helpContext` the help topic of F1 (0 the default topic).
    TablorDialog(QWidget* parent, const char* caption, const char* name = "", int helpContext = 0);

    // Runs the dialog modally, centred on its owner, wide enough for its
    // whole caption; returns how it closed.
    int Run();
    // The width the window's caption needs in the title bar.
    int CaptionWidth() const;

    void accept() override;
    void reject() override;

    // A push button with the model's text and id; the default button gets
    // the initial focus.
    QPushButton* AddButton(const DialogButton& button, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FitCaption();

    int helpContext;
};

// Marks `control` with the program's id.
void SetControlId(QWidget* control, int id);
// The control of `dialog` with the program's id, nullptr when there is none.
QWidget* FindControl(const QWidget* dialog, int id);

QString ToQString(const std::string& text);
