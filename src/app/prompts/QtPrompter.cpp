// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/prompts/QtPrompter.h"

#include <QDialog>
#include <QFileDialog>

namespace tilora {

QMessageBox::StandardButton QtPrompter::Ask(QWidget* owner, const Message& message)
{
    QMessageBox box(message.icon, message.caption, message.text, message.buttons, owner);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int QtPrompter::Exec(QDialog& dialog)
{
    return dialog.exec();
}

QString QtPrompter::ChooseFile(QWidget* owner, const FileRequest& request)
{
    const bool save = request.kind == FileRequest::Kind::Save;
    QFileDialog dialog(owner, request.title, QString(), request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Each filter's description already names its files ("Tilora Files(*.TLR)"); the
    // patterns Qt matches with stay out of sight, so the list shows every description once.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace tilora
