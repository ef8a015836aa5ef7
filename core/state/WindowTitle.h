// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// "Tesselwick (v1.0) - Quorvane Labs", from the build's version information.
QString mainWindowTitle();
