// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>

#include "app/prompts/Prompter.h"

namespace tilora {

// Passes every interaction on to another Prompter and knows whether one is open, so that
// the window can hold back what must not happen behind a dialog, whichever Prompter
// answers it. When the last open dialog closes, `closed` runs: the window gives the
// keyboard back to the board, so that the arrows and Esc act at once.
class TrackedPrompter final : public Prompter {
public:
    TrackedPrompter(Prompter& prompter, std::function<void()> closed)
        : m_prompter(prompter), m_closed(std::move(closed))
    {
    }

    bool Open() const { return m_open > 0; }

    QMessageBox::StandardButton Ask(QWidget* owner, const Message& message) override;
    int Exec(QDialog& dialog) override;
    QString ChooseFile(QWidget* owner, const FileRequest& request) override;

private:
    template <typename Call>
    auto Tracked(Call call);

    Prompter& m_prompter;
    std::function<void()> m_closed;
    int m_open = 0;
};

}  // namespace tilora
