// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/BlocksDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>

#include "ui/DialogUnits.h"

namespace tilora {

CBlocksDlg::CBlocksDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("blocksDialog"));
    setWindowTitle(tr("Tilora : No. of Blocks"));
    setFont(DialogFont());
    setFixedSize(DluSize(186, 95));

    auto* prompt = new QLabel(tr("Choose the number of blocks to divide the picture into"), this);
    prompt->setGeometry(DluRect(7, 7, 170, 8));
    auto* frame = new QGroupBox(this);
    frame->setGeometry(DluRect(29, 17, 128, 56));

    struct Radio {
        const char* text;
        QRect rect;
    };
    const std::array radios{Radio{"4 x 4", DluRect(72, 28, 31, 10)}, Radio{"5 x 5", DluRect(72, 38, 39, 10)},
                            Radio{"8 x 8", DluRect(72, 48, 31, 10)}, Radio{"10 x  10", DluRect(72, 58, 41, 10)}};
    m_group = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(radios.size()); ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(radios[i].text), this);
        radio->setObjectName(QStringLiteral("blocks%1").arg(i));
        radio->setGeometry(radios[i].rect);
        m_group->addButton(radio, i);
    }
    m_nBlocks = 0;
    m_group->button(m_nBlocks)->setChecked(true);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DluRect(37, 74, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CBlocksDlg::accept);

    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(DluRect(101, 74, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &CBlocksDlg::reject);
}

int CBlocksDlg::GridSizeFor(int choice)
{
    switch (choice) {
    case 1: return 5;
    case 2: return 8;
    case 3: return 10;
    default: return 4;
    }
}

void CBlocksDlg::accept()
{
    m_nBlocks = m_group->checkedId();
    QDialog::accept();
}

void CBlocksDlg::reject()
{
    m_nBlocks = kCancelled;
    QDialog::reject();
}

}  // namespace tilora
