#include "app/AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/AppIcon.h"
#include "app/DialogUnits.h"

namespace tilora {
namespace {

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
    setWindowTitle(QStringLiteral("About Tilora"));
    setFont(AboutFont());
    setFixedSize(DluSize(157, 127));

    AddText(this, "titleText", QStringLiteral("Tilora\n\nA Tilora puzzle with a difference!"), DluRect(22, 7, 112, 25),
            Qt::AlignHCenter | Qt::AlignTop);
    AddText(this, "versionText", QStringLiteral("Version 1.0"), DluRect(59, 36, 38, 8), Qt::AlignLeft | Qt::AlignTop);

    const QRect iconRect = DluRect(68, 48, 20, 20);
    QLabel* icon = AddText(this, "iconLabel", QString(), iconRect, Qt::AlignLeft | Qt::AlignTop);
    // The icon is drawn at its 32-pixel size from the box's top-left corner, as a dialog
    // draws an icon control, whatever the rectangle.
    icon->setPixmap(AppIcon().pixmap(QSize(32, 32)));

    AddText(this, "creditText", QStringLiteral("Written by the\nTilora developers"), DluRect(48, 75, 61, 16),
            Qt::AlignLeft | Qt::AlignTop);
    AddText(this, "creditYear", QStringLiteral("Built with Qt 6"), DluRect(48, 94, 61, 8), Qt::AlignLeft | Qt::AlignTop);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DluRect(62, 106, 32, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tilora
