// The card artwork as the game uses it: the strips of one scale, cut into images.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

struct TArtwork {
    // Every image lies on white: transparent parts of the files come out white.
    std::array<QImage, 5> Symbols;  // by ClubSymbol .. StarSymbol
    std::array<QImage, 4> Jacks;    // by Suit - 1
    std::array<QImage, 4> Queens;
    std::array<QImage, 4> Kings;
    QImage Jester;
    QImage Back;
    int32_t Scale = 0;  // pixels per logical pixel; 0 when nothing is loaded

    bool Loaded() const { return Scale > 0; }
};

struct TArtworkLoad {
    TArtwork Artwork;      // complete, or not Loaded()
    QStringList Problems;  // one line per missing or damaged file, in German
};

// Reads the six strips of one scale from `directory`, or only the strip of
// that index in ArtworkStrips, leaving the others' images empty.
TArtworkLoad LoadArtwork(const QString& directory, int32_t scale = 1, int32_t onlyStrip = -1);

// The message for the user when the artwork cannot be used.
QString ArtworkProblemText(const QString& directory, const QStringList& problems);
