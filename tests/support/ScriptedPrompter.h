// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

#include "app/prompts/Prompter.h"

namespace tilora::test {

// A Prompter that answers from a script and records what was asked. An interaction the
// script did not foresee fails the running test and is answered with No, Cancel or an
// empty file name, so that nothing blocks.
class ScriptedPrompter final : public Prompter {
public:
    using DialogScript = std::function<int(QDialog&)>;

    // Scripting.
    void Answer(QMessageBox::StandardButton button) { m_answers.push_back(button); }
    void OnDialog(DialogScript script) { m_dialogs.push_back(std::move(script)); }
    void ChooseFileAnswer(QString path) { m_files.push_back(std::move(path)); }
    // Runs before every message box is answered, e.g. to look at the window at that moment.
    void OnAsk(std::function<void(const Message&)> hook) { m_onAsk = std::move(hook); }

    // What was asked, in order.
    const std::vector<Message>& Messages() const { return m_messages; }
    const std::vector<FileRequest>& FileRequests() const { return m_fileRequests; }
    QStringList DialogTitles() const { return m_dialogTitles; }
    // Everything in one list: "message: <caption>", "dialog: <title>", "file: <title>".
    const QStringList& Log() const { return m_log; }
    bool Exhausted() const { return m_answers.empty() && m_dialogs.empty() && m_files.empty(); }
    void Clear();

    QMessageBox::StandardButton Ask(QWidget* owner, const Message& message) override;
    int Exec(QDialog& dialog) override;
    QString ChooseFile(QWidget* owner, const FileRequest& request) override;

private:
    std::deque<QMessageBox::StandardButton> m_answers;
    std::deque<DialogScript> m_dialogs;
    std::deque<QString> m_files;
    std::function<void(const Message&)> m_onAsk;
    std::vector<Message> m_messages;
    std::vector<FileRequest> m_fileRequests;
    QStringList m_dialogTitles;
    QStringList m_log;
};

// Scripts for the common dialog answers.
int ClickButton(QDialog& dialog, const char* objectName);
ScriptedPrompter::DialogScript PressOk();
ScriptedPrompter::DialogScript PressEscape();

}  // namespace tilora::test
