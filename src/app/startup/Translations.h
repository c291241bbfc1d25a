// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace tilora {

// The language the game speaks to a player whose languages, most wanted first, are
// `uiLanguages` (as QLocale::uiLanguages gives them: "de-DE", "fr", "en-US", ...): the
// first of them the game has texts for, or an empty text for English, the language of
// the texts in the code. `shipped` names the languages of the compiled-in translations.
QString GameLanguage(const QStringList& uiLanguages, const QStringList& shipped);

// The languages of the translations compiled into the program ("de", "fr").
QStringList ShippedLanguages();

// The game's texts and Qt's own (message box buttons, file dialogs) in one language,
// installed into the application for as long as this object lives. An empty language
// is English, which needs no translation.
class GameTranslation {
public:
    explicit GameTranslation(const QString& language);
    GameTranslation(const GameTranslation&) = delete;
    GameTranslation& operator=(const GameTranslation&) = delete;

    // Whether the game's own texts were found for the language.
    bool IsLoaded() const { return !m_game.isEmpty(); }

private:
    QTranslator m_game;
    QTranslator m_qt;
};

}  // namespace tilora
