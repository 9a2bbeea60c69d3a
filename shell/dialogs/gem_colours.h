#pragma once
// The three player gem colours as the dialogs edit them: a colour value is
// 0x00BBGGRR, and each slot of the palette holds the colour with its half and
// third shades.

#include <QColor>
#include <cstdint>

#include "render/gem_palette.h"

inline constexpr int kPlayerColourSlots = 3;

QColor ToQColor(std::uint32_t colour);
std::uint32_t FromQColor(const QColor& colour);

// The colour of a slot (its full shade).
std::uint32_t SlotColour(const GemPalette& palette, int slot);
// Puts a colour and its two shades into a slot.
void SetSlotColour(GemPalette& palette, int slot, std::uint32_t colour);
// Puts back the default colours of the three player slots; the central gem
// and the bomb keep theirs.
void RestoreDefaultGemColours(GemPalette& palette);
