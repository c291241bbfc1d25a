// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace tilora {
namespace {

// Where the build puts the compiled translations, tilora_<language>.qm.
constexpr auto kGameTranslations = ":/tilora/translations";

}  // namespace

QString GameLanguage(const QStringList& uiLanguages, const QStringList& shipped)
{
    for (const QString& wanted : uiLanguages) {
        // "de-DE", "de_DE" and "de" all ask for German.
        const QString language = wanted.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language == u"en")
            return {};
        if (shipped.contains(language))
            return language;
    }
    return {};
}

QStringList ShippedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(QLatin1String(kGameTranslations)).entryList({QStringLiteral("tilora_*.qm")});
    for (const QString& file : files)
        languages << file.section(u'_', 1).section(u'.', 0, 0);
    return languages;
}

GameTranslation::GameTranslation(const QString& language)
{
    if (language.isEmpty())
        return;
    if (m_game.load(QStringLiteral("tilora_") + language, QLatin1String(kGameTranslations)))
        QCoreApplication::installTranslator(&m_game);
    // Qt's own texts come from the system's Qt translations, when they are installed.
    if (m_qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

}  // namespace tilora
