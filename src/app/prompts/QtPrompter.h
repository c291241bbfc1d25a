// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/prompts/Prompter.h"

namespace tilora {

// The Prompter of the running program: real message boxes and file dialogs.
class QtPrompter final : public Prompter {
public:
    QMessageBox::StandardButton Ask(QWidget* owner, const Message& message) override;
    int Exec(QDialog& dialog) override;
    QString ChooseFile(QWidget* owner, const FileRequest& request) override;
};

}  // namespace tilora
