// The artwork files the build writes and the game reads: one PNG strip per image
// set, the images side by side from index 0 at the left. Shared by the artwork
// tool, so both sides agree on names, sizes and counts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct TArtworkStrip {
    const char* Name;  // file name without extension
    int32_t Width;     // of one image, at scale 1
    int32_t Height;
    int32_t Count;
};

// Suit symbols and the joker's star, white around them.
inline constexpr TArtworkStrip SymbolStrip{"symbols", 130, 100, 5};
// Head and shoulders of the court figures, by Suit - 1.
inline constexpr TArtworkStrip JackStrip{"jacks", 100, 77, 4};
inline constexpr TArtworkStrip QueenStrip{"queens", 100, 77, 4};
inline constexpr TArtworkStrip KingStrip{"kings", 100, 77, 4};
// The jester, transparent around the figure.
inline constexpr TArtworkStrip JesterStrip{"jester", 100, 154, 1};
// The pattern of the card back.
inline constexpr TArtworkStrip BackStrip{"back", 72, 108, 1};

inline constexpr std::array<TArtworkStrip, 6> ArtworkStrips{SymbolStrip, JackStrip,   QueenStrip,
                                                            KingStrip,   JesterStrip, BackStrip};

// Index of each picture in the symbol strip.
enum : int32_t { ClubSymbol = 0, SpadeSymbol = 1, HeartSymbol = 2, DiamondSymbol = 3, StarSymbol = 4 };

// Every strip also exists at finer resolutions, so that faces of larger cards
// and of HiDPI screens are made from artwork at least as fine as they are.
inline constexpr std::array<int32_t, 6> ArtworkScales{1, 2, 3, 4, 6, 8};

// "symbols.png", "symbols@2x.png".
inline std::string ArtworkFileName(const TArtworkStrip& strip, int32_t scale) {
    std::string name = strip.Name;
    if (scale != 1) {
        name.append("@").append(std::to_string(scale)).append("x");
    }
    name.append(".png");
    return name;
}
