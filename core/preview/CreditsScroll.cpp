// SPDX-License-Identifier: MIT
#include "core/preview/CreditsScroll.h"

namespace CreditsScroll {

Tick step(int offset, int areaHeight)
{
    Tick tick;
    const int advanced = offset + Step;
    for (int slot = 1; slot <= SlotCount; ++slot)
        tick.tops[slot - 1] = areaHeight - advanced + LineSpacing * slot;
    tick.wrapped = tick.tops[SlotCount - 1] < WrapAbove;
    tick.offset = tick.wrapped ? StartOffset : advanced;
    return tick;
}

} // namespace CreditsScroll
