// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

namespace tilora {

// A message box as the game shows it: fixed text, caption, buttons and icon.
struct Message {
    QString text;
    QString caption;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// What a file dialog is asked for. `filter` is in Qt's form ("Desc (*.ext);;...").
struct FileRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString filter;
    QString defaultSuffix;
};

// Every modal interaction of the main window goes through this seam: message boxes, file
// dialogs and the game's own dialogs. The program's one shows real Qt dialogs; tests
// answer from a script and record what was asked.
class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows a message box owned by `owner`; returns the button pressed.
    virtual QMessageBox::StandardButton Ask(QWidget* owner, const Message& message) = 0;

    // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected). The
    // dialog does its own work (validation, reads and writes) as the player drives it.
    virtual int Exec(QDialog& dialog) = 0;

    // Shows a file dialog; returns the chosen path, or an empty text when cancelled.
    virtual QString ChooseFile(QWidget* owner, const FileRequest& request) = 0;
};

}  // namespace tilora

namespace tilora::messages {

// The message texts are translated under the one context "Messages": Text::tr("...").
class Text {
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

}  // namespace tilora::messages
