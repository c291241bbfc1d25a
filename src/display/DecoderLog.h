// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <QString>

#include <atomic>

namespace tilora {

// The game's log of what image decoders say about the files they read.
Q_DECLARE_LOGGING_CATEGORY(lcImage)

// While it lives, what Qt's image readers and colour-profile parser report ("libpng
// warning: iCCP: known incorrect sRGB profile", ...) goes to the category "tilora.image"
// as debug messages, which are off unless QT_LOGGING_RULES="tilora.image.debug=true"
// turns them on: an ordinary photo is no reason to write to the player's terminal, and
// a refused one is told in the game's own message. Every other message passes on to the
// handler that was in place. Made around each decode on the thread that decodes, one at
// a time.
//
// A decoder that meets the end of a cut file or data it cannot make sense of fills in
// the rest and says so only here ("Corrupt JPEG data: premature end of data segment"):
// such a report is kept, so that the picture is refused as damaged rather than played
// half grey. Warnings about a picture decoded whole (a bad checksum of a comment, extra
// bytes after the picture, an odd colour profile) are not.
class DecoderLog {
public:
    DecoderLog();
    ~DecoderLog();
    DecoderLog(const DecoderLog&) = delete;
    DecoderLog& operator=(const DecoderLog&) = delete;

    // True once a decoder reported a cut or corrupt picture while this log lived.
    bool ReportedDamage() const { return m_damage.load(); }
    // Whether a decoder's message reports a cut or corrupt picture.
    static bool ReportsDamage(const QString& message);

    // Called by the message handler, on the decoding thread, when a report of damage came.
    void MarkDamaged() { m_damage = true; }

private:
    QtMessageHandler m_previous;
    std::atomic<bool> m_damage{false};
};

}  // namespace tilora
