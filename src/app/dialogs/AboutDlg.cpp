// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/startup/AppIcon.h"
#include "ui/DialogUnits.h"

namespace tilora {
namespace {

constexpr int kIconSize = 32;

QLabel* AddText(QWidget* parent, const char* name, const QString& text, QRect rect, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

QFont CAboutDlg::AboutFont()
{
    // The box is set in a bold condensed face. Few Linux machines have Arial's condensed
    // cut, so narrow faces are tried in turn; 10 pixels is the largest size at which the
    // title keeps to its three lines and the version to its one in the fixed rectangles.
    QFont font;
    font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setBold(true);
    font.setPixelSize(10);
    return font;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Tilora"));
    setFont(AboutFont());
    setFixedSize(DluSize(157, 127));

    AddText(this, "titleText", tr("Tilora\n\nA Tilora puzzle with a difference!"), DluRect(22, 7, 112, 25),
            Qt::AlignHCenter | Qt::AlignTop);
    // The version is the one the build is set to.
    AddText(this, "versionText", tr("Version %1").arg(QLatin1String(TILORA_VERSION)), DluRect(59, 36, 38, 8),
            Qt::AlignLeft | Qt::AlignTop);

    // An icon control takes the size of its icon, 32 x 32, at the corner its rectangle
    // gives, so that the image is never clipped or scaled to the rectangle's odd size.
    const QRect iconRect(DluRect(68, 48, 20, 20).topLeft(), QSize(kIconSize, kIconSize));
    QLabel* icon = AddText(this, "iconLabel", QString(), iconRect, Qt::AlignLeft | Qt::AlignTop);
    icon->setPixmap(AppIcon().pixmap(QSize(kIconSize, kIconSize)));

    AddText(this, "creditText", tr("Written by the\nTilora developers"), DluRect(48, 75, 61, 16),
            Qt::AlignLeft | Qt::AlignTop);
    // The licence, in the short form that fits the line.
    AddText(this, "creditToolkit", tr("Licence: GPL v3+"), DluRect(48, 94, 61, 8), Qt::AlignLeft | Qt::AlignTop);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DluRect(62, 106, 32, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tilora
