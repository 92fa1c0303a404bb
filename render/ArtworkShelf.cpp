#include "render/ArtworkShelf.h"

#include "render/ArtworkFiles.h"

TArtworkLoad TArtworkShelf::Open(const QString& directory) {
    TArtworkLoad plain = LoadArtwork(directory, 1);
    if (plain.Problems.isEmpty()) {
        Directory = directory;
        Read.clear();
        Read[1] = plain.Artwork;
    }
    return plain;
}

const TArtwork* TArtworkShelf::For(qreal deviceScale) {
    if (Read.find(1) == Read.end()) {
        return nullptr;
    }
    const TArtwork* finest = &Read[1];
    for (const int32_t scale : ArtworkScales) {
        auto found = Read.find(scale);
        if (found == Read.end()) {
            // A finer scale that is missing or damaged only costs sharpness.
            found = Read.emplace(scale, LoadArtwork(Directory, scale).Artwork).first;
        }
        if (!found->second.Loaded()) {
            continue;
        }
        finest = &found->second;
        // A little below a whole scale still counts as that scale: 2.99 takes the 3.
        if (scale >= deviceScale - 0.01) {
            break;
        }
    }
    return finest;
}
