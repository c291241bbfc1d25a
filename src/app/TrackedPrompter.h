// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Prompter.h"

namespace tilora {

// Passes every interaction on to another Prompter and knows whether one is open, so that
// the window can hold back what must not happen behind a dialog, whichever Prompter
// answers it.
class TrackedPrompter final : public Prompter {
public:
    explicit TrackedPrompter(Prompter& prompter) : m_prompter(prompter) {}

    bool Open() const { return m_open > 0; }

    QMessageBox::StandardButton Ask(QWidget* owner, const Message& message) override;
    int Exec(QDialog& dialog) override;
    QString ChooseFile(QWidget* owner, const FileRequest& request) override;

private:
    template <typename Call>
    auto Tracked(Call call);

    Prompter& m_prompter;
    int m_open = 0;
};

}  // namespace tilora
