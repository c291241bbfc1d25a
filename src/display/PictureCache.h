// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <array>
#include <optional>

#include "picture/PictureRecord.h"

namespace tilora {

// A picture ready to be copied: the board image holds every block at its home position,
// s x s pixels each, so that tile t of an n x n board is the square at column (t-1) mod n
// and row (t-1) / n; the thumbnail is the whole picture in 80 x 80 pixels.
struct PreparedPicture {
    QImage board;
    QImage thumbnail;
};

// Decodes and scales each picture once, so that a paint or a move only copies pixels,
// whatever the size of the loaded picture. Built-in pictures come from the resources and
// are used unscaled; the blocks of a loaded picture are stretched once per grid size.
class PictureCache {
public:
    // Built-in picture 2, 3 or 4; any other number gives picture 1, as the menu's first.
    const PreparedPicture& BuiltIn(int picture);
    const PreparedPicture& Title();
    const PreparedPicture& Pause();

    // The loaded picture as decoded pixels, at its own size: the photo given to
    // SetLoadedSource, or else the record made drawable on first use. Null when the record
    // cannot be made drawable. Kept, failure included, until DropLoaded.
    const QImage& LoadedSource(const PictureRecord& record);

    // The loaded picture cut for an n x n board from LoadedSource; null when that is null.
    const PreparedPicture* Loaded(const PictureRecord& record, int n);

    // A photo decoded by its own reader becomes the loaded picture; the record is not
    // looked at until the next DropLoaded.
    void SetLoadedSource(QImage decoded);

    // Forgets the loaded picture, for a record that has just been filled anew.
    void DropLoaded();

private:
    struct LoadedEntry {
        int gridSize = 0;
        PreparedPicture picture;
    };

    std::array<std::optional<PreparedPicture>, 4> m_builtIn;
    std::optional<PreparedPicture> m_title;
    std::optional<PreparedPicture> m_pause;
    std::optional<QImage> m_loadedSource;  // a null image: the record cannot be drawn
    std::optional<LoadedEntry> m_loaded;
};

// Cuts a decoded picture of any size for an n x n board: block (r, c) takes the
// W/n x H/n source pixels at (c * W/n, r * H/n), stretched to s x s with the AND
// combining stretch; the thumbnail is the whole picture stretched the same way. The
// last W mod n columns and H mod n rows appear in the thumbnail only.
PreparedPicture CutPicture(const QImage& decoded, int n);

}  // namespace tilora
