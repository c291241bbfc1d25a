// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>

#include "app/Prompter.h"

namespace tilora {

// Hands every modal interaction to the Prompter it wraps and, once the dialog has
// closed, gives the keyboard back to the board, so that the arrow keys and Esc act at
// once whichever dialog was shown.
class FocusReturningPrompter final : public Prompter {
public:
    FocusReturningPrompter(Prompter& inner, std::function<void()> refocus)
        : m_inner(inner), m_refocus(std::move(refocus))
    {
    }

    QMessageBox::StandardButton Ask(QWidget* owner, const Message& message) override
    {
        return Refocused(m_inner.Ask(owner, message));
    }
    int Exec(QDialog& dialog) override { return Refocused(m_inner.Exec(dialog)); }
    QString ChooseFile(QWidget* owner, const FileRequest& request) override
    {
        return Refocused(m_inner.ChooseFile(owner, request));
    }

private:
    template <typename T>
    T Refocused(T answer)
    {
        m_refocus();
        return answer;
    }

    Prompter& m_inner;
    std::function<void()> m_refocus;
};

}  // namespace tilora
