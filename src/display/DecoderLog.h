// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

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
class DecoderLog {
public:
    DecoderLog();
    ~DecoderLog();
    DecoderLog(const DecoderLog&) = delete;
    DecoderLog& operator=(const DecoderLog&) = delete;

private:
    QtMessageHandler m_previous;
};

}  // namespace tilora
