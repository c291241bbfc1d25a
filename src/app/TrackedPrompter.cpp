// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TrackedPrompter.h"

namespace tilora {

template <typename Call>
auto TrackedPrompter::Tracked(Call call)
{
    // Counted rather than flagged: a dialog can prompt in turn (Difficulty Level's checks).
    struct Open {
        int& count;
        explicit Open(int& c) : count(c) { ++count; }
        ~Open() { --count; }
        Open(const Open&) = delete;
        Open& operator=(const Open&) = delete;
    } open(m_open);
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
