// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/prompts/TrackedPrompter.h"

namespace tilora {

template <typename Call>
auto TrackedPrompter::Tracked(Call call)
{
    // Counted rather than flagged: a dialog can prompt in turn (Difficulty Level's checks).
    struct Open {
        TrackedPrompter& prompter;
        explicit Open(TrackedPrompter& p) : prompter(p) { ++prompter.m_open; }
        ~Open()
        {
            if (--prompter.m_open == 0 && prompter.m_closed)
                prompter.m_closed();
        }
        Open(const Open&) = delete;
        Open& operator=(const Open&) = delete;
    } open(*this);
    return call();
}

QMessageBox::StandardButton TrackedPrompter::Ask(QWidget* owner, const Message& message)
{
    return Tracked([&] { return m_prompter.Ask(owner, message); });
}

int TrackedPrompter::Exec(QDialog& dialog)
{
    return Tracked([&] { return m_prompter.Exec(dialog); });
}

QString TrackedPrompter::ChooseFile(QWidget* owner, const FileRequest& request)
{
    return Tracked([&] { return m_prompter.ChooseFile(owner, request); });
}

}  // namespace tilora
