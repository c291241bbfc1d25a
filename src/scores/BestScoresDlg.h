// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class QLineEdit;

namespace tilora {

class ProfileStore;

// "Tilora:  Best Scores": name, best time and level for each of the four grid sizes, as
// the score file holds them when the dialog opens, and the Reset Scores button. OK and
// the close box close it the same way; Esc cancels. Only Reset Scores writes.
class CBestScoresDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CBestScoresDlg(const ProfileStore& scores, QWidget* parent = nullptr);

    // Reads the twelve values from the score file and shows them, each as read.
    void OnInitDialog();

    // Writes the twelve defaults at once, without a question, and shows them read back.
    void OnResetScores();

protected:
    // The close box runs the OK path.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildHeader();
    void BuildTable();
    QLineEdit* AddField(const QString& objectName, int x, int y);

    const ProfileStore& m_scores;
    std::array<QLineEdit*, 4> m_names{};
    std::array<QLineEdit*, 4> m_scoresShown{};
    std::array<QLineEdit*, 4> m_levels{};
};

}  // namespace tilora
