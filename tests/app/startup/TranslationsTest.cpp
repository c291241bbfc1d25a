// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "app/startup/Translations.h"

namespace tilora::test {
namespace {

constexpr const char* kLanguages[] = {"de", "fr"};

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty for a finished one
};

std::vector<TsMessage> ReadTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<TsMessage> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == u"source" && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.empty()) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// What a translation must keep of its source: the numbered placeholders, the "|" of a
// file filter, and whether the text has an accelerator ("&x", not the literal "&&").
QStringList Skeleton(const QString& text)
{
    QStringList parts;
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        parts << it.next().captured();
    parts.sort();
    parts << QStringLiteral("|").repeated(text.count(u'|'));
    QString plain = text;
    plain.remove(QStringLiteral("&&"));
    parts << QStringLiteral("&").repeated(plain.count(u'&'));
    return parts;
}

// Every text in each shipped language's source has a finished translation that keeps
// the placeholders, the filter separators and the accelerator of the English text.
TEST(TranslationsTest, EveryTextHasAFinishedTranslationWithTheSameSkeleton)
{
    for (const char* language : kLanguages) {
        const auto messages = ReadTs(QStringLiteral(TILORA_TRANSLATIONS_DIR "/tilora_%1.ts").arg(language));
        EXPECT_GT(messages.size(), 50u) << language;
        for (const TsMessage& m : messages) {
            const std::string where = std::string(language) + " " + m.context.toStdString() + ": " + m.source.toStdString();
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
            EXPECT_EQ(Skeleton(m.translation), Skeleton(m.source)) << where << " -> " << m.translation.toStdString();
        }
    }
}

// The game speaks the first of the player's languages that it has texts for; English,
// the language of the code, ends the search.
TEST(TranslationsTest, GameLanguageIsTheFirstWantedLanguageTheGameSpeaks)
{
    const QStringList shipped{QStringLiteral("de"), QStringLiteral("fr")};
    const struct {
        QStringList wanted;
        const char* expected;
    } cases[] = {
        {{"de-DE"}, "de"},
        {{"fr_CA", "de"}, "fr"},
        {{"es-ES", "es", "fr-FR"}, "fr"},
        {{"en-GB", "de-DE"}, ""},
        {{"it-IT"}, ""},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GameLanguage(c.wanted, shipped).toStdString(), c.expected) << c.wanted.join(u',').toStdString();
}

// Each shipped language is compiled in, and with it installed Qt's own buttons speak it too.
TEST(TranslationsTest, ShippedLanguagesLoadWithQtsOwnTexts)
{
    EXPECT_EQ(ShippedLanguages(), QStringList({QStringLiteral("de"), QStringLiteral("fr")}));
    const struct {
        const char* language;
        const char* yes;
    } cases[] = {{"de", "&Ja"}, {"fr", "&Oui"}, {"", "&Yes"}};
    for (const auto& c : cases) {
        const GameTranslation translation{QString::fromLatin1(c.language)};
        EXPECT_EQ(translation.IsLoaded(), *c.language != '\0') << c.language;
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), c.yes) << c.language;
    }
}

}  // namespace
}  // namespace tilora::test
