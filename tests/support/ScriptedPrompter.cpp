// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedPrompter.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tilora::test {

void ScriptedPrompter::Clear()
{
    m_answers.clear();
    m_dialogs.clear();
    m_files.clear();
    m_messages.clear();
    m_fileRequests.clear();
    m_dialogTitles.clear();
    m_log.clear();
}

QMessageBox::StandardButton ScriptedPrompter::Ask(QWidget*, const Message& message)
{
    m_messages.push_back(message);
    m_log << QStringLiteral("message: ") + message.caption;
    if (m_onAsk)
        m_onAsk(message);
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << message.text.toStdString();
        return message.buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
    const QMessageBox::StandardButton answer = m_answers.front();
    m_answers.pop_front();
    EXPECT_TRUE(message.buttons.testFlag(answer)) << "answered with a button the box does not have: "
                                                  << message.text.toStdString();
    return answer;
}

int ScriptedPrompter::Exec(QDialog& dialog)
{
    m_dialogTitles << dialog.windowTitle();
    m_log << QStringLiteral("dialog: ") + dialog.windowTitle();
    if (m_dialogs.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
        dialog.reject();
        return QDialog::Rejected;
    }
    DialogScript script = std::move(m_dialogs.front());
    m_dialogs.pop_front();
    return script(dialog);
}

QString ScriptedPrompter::ChooseFile(QWidget*, const FileRequest& request)
{
    m_fileRequests.push_back(request);
    m_log << QStringLiteral("file: ") + request.title;
    if (m_files.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return {};
    }
    QString path = m_files.front();
    m_files.pop_front();
    return path;
}

int ClickButton(QDialog& dialog, const char* objectName)
{
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(objectName));
    EXPECT_NE(button, nullptr) << "no button " << objectName << " in " << dialog.windowTitle().toStdString();
    if (button != nullptr)
        button->click();
    return dialog.result();
}

ScriptedPrompter::DialogScript PressOk()
{
    return [](QDialog& dialog) { return ClickButton(dialog, "okButton"); };
}

ScriptedPrompter::DialogScript PressEscape()
{
    return [](QDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    };
}

}  // namespace tilora::test
