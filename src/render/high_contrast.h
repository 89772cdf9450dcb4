// A high-contrast scheme the user chose takes precedence over the host's look: menus then draw
// in the system's colours with plain shapes, so that the selection and the mnemonics stay as
// readable as the scheme makes them.
#pragma once
#include "render/paint_style.h"

namespace brocade {

// SPI_GETHIGHCONTRAST reports HCF_HIGHCONTRASTON.
bool HighContrastOn();

// The paint settings in effect: the resolved ones, or under high contrast the system's menu
// colours, a solid highlight bar, no background picture and no shadow.
PaintStyle EffectivePaintStyle(const PaintStyle &resolved, bool highContrast);

}  // namespace brocade
