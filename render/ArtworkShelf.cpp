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

void TArtworkShelf::KeepOnlyPlain() {
    std::erase_if(Read, [](const auto& entry) { return entry.first != 1; });
}

const TArtwork* TArtworkShelf::For(qreal deviceScale) {
    auto plain = Read.find(1);
    if (plain == Read.end()) {
        return nullptr;
    }
    const TArtwork* chosen = &plain->second;
    for (const int32_t scale : ArtworkScales) {
        // A little below a whole scale still counts as that scale: 2.99 takes the 3.
        const bool fineEnough = scale >= deviceScale - 0.01;
        if (scale == 1 && fineEnough) {
            break;
        }
        if (scale == 1 || (!fineEnough && scale != ArtworkScales.back())) {
            continue;
        }
        auto found = Read.find(scale);
        if (found == Read.end()) {
            // A finer scale that is missing or damaged only costs sharpness.
            found = Read.emplace(scale, LoadArtwork(Directory, scale).Artwork).first;
        }
        if (found->second.Loaded()) {
            chosen = &found->second;
            break;
        }
    }
    // The plain scale stays; any other the faces no longer use goes.
    std::erase_if(Read, [chosen](const auto& entry) { return entry.first != 1 && &entry.second != chosen; });
    return chosen;
}
