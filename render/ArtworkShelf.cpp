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

std::vector<int32_t> TArtworkShelf::FinerScales(qreal deviceScale) {
    std::vector<int32_t> scales;
    for (const int32_t scale : ArtworkScales) {
        // A little below a whole scale still counts as that scale: 2.99 takes the 3.
        const bool fineEnough = scale >= deviceScale - 0.01;
        if (scale == 1 && fineEnough) {
            break;
        }
        // The coarsest fine enough, and those above it; finer than the finest, the finest.
        if (scale != 1 && (fineEnough || scale == ArtworkScales.back())) {
            scales.push_back(scale);
        }
    }
    return scales;
}

const TArtwork* TArtworkShelf::For(qreal deviceScale) {
    auto plain = Read.find(1);
    if (plain == Read.end()) {
        return nullptr;
    }
    const TArtwork* chosen = &plain->second;
    for (const int32_t scale : FinerScales(deviceScale)) {
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

TArtwork TArtworkShelf::Strip(qreal deviceScale, int32_t strip) const {
    auto plain = Read.find(1);
    if (plain == Read.end()) {
        return TArtwork();
    }
    for (const int32_t scale : FinerScales(deviceScale)) {
        TArtworkLoad load = LoadArtwork(Directory, scale, strip);
        if (load.Problems.isEmpty()) {
            return load.Artwork;
        }
    }
    return plain->second;
}
