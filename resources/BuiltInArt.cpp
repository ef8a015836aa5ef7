// SPDX-License-Identifier: MIT
#include "resources/BuiltInArt.h"

#include <QtGlobal>

void initBuiltInArt()
{
    Q_INIT_RESOURCE(art);
}
