// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace tilora {

// "Tilora : High Score!": asks for the name of the player who set a new best time. The
// name box takes at most 8 characters and has the focus; Enter is OK. The name is the
// box's text after OK and stays empty after Esc or the close box.
class CHighScoreDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CHighScoreDlg(QWidget* parent = nullptr);

    const QString& Name() const { return m_strName; }

    void accept() override;

private:
    QLineEdit* m_nameEdit = nullptr;
    QString m_strName;
};

}  // namespace tilora
