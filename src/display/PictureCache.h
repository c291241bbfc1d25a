// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <array>
#include <optional>

#include "display/DeviceScale.h"
#include "display/PreparedPicture.h"
#include "picture/PictureRecord.h"

namespace tilora {

// Decodes and scales each picture once per device scale and grid size, so that a paint
// or a move only copies pixels, whatever the size of the loaded picture. At actual size
// the built-in pictures come unscaled from the resources, the blocks of a loaded bitmap
// are stretched as the game cuts them and a photo is averaged down; at other scales all
// are made from the largest source at hand at the size they take on the screen. The
// cutting itself is ScaledPictures' work; the cache only decides what to cut and keeps it.
//
// `standIn`: while the window is being resized, a picture not yet made for `scale` is not
// made; the one at hand is returned instead, for the painter to stretch.
class PictureCache {
public:
    // Built-in picture 2, 3 or 4; any other number gives picture 1, as the menu's first.
    const PreparedPicture& BuiltIn(int picture, const DeviceScale& scale = {}, int n = 4, bool standIn = false);
    const PreparedPicture& Title(const DeviceScale& scale = {}, bool standIn = false);
    const PreparedPicture& Pause(const DeviceScale& scale = {}, bool standIn = false);

    // The loaded picture as decoded pixels: the photo given to SetLoadedSource in sRGB (at
    // its own size, or its centred square where it was converted), or else the record made
    // drawable on first use. Null when the record cannot be made drawable. Kept, failure
    // included, until DropLoaded.
    const QImage& LoadedSource(const PictureRecord& record);

    // The loaded picture cut for an n x n board from LoadedSource, at `scale`, as a bitmap
    // or as a photo by where it came from; null when that source is null.
    const PreparedPicture* Loaded(const PictureRecord& record, int n, const DeviceScale& scale = {},
                                  bool standIn = false);

    // A photo decoded by its own reader becomes the loaded picture, in sRGB (PhotoInSrgb);
    // the record is not looked at until the next DropLoaded.
    void SetLoadedSource(QImage decoded);

    // Forgets the loaded picture, for a record that has just been filled anew.
    void DropLoaded();

private:
    // One picture made for a device scale, and what it was made from.
    struct Scaled {
        int source = 0;  // which picture
        int gridSize = 0;
        double scale = 1.0;
        PreparedPicture picture;
    };
    template <typename Make>
    const PreparedPicture& ScaledFor(std::optional<Scaled>& slot, int source, int n, const DeviceScale& scale,
                                     bool standIn, const PreparedPicture& base, Make make);
    const QImage& Master(int index);

    std::array<std::optional<PreparedPicture>, 4> m_builtIn;
    std::optional<PreparedPicture> m_title;
    std::optional<PreparedPicture> m_pause;
    std::array<QImage, 6> m_masters;  // the four built-in pictures, title, pause
    std::optional<Scaled> m_scaledBuiltIn;
    std::optional<Scaled> m_scaledTitle;
    std::optional<Scaled> m_scaledPause;

    std::optional<QImage> m_loadedSource;  // a null image: the record cannot be drawn
    bool m_loadedIsPhoto = false;
    std::optional<Scaled> m_loaded;
};

}  // namespace tilora
