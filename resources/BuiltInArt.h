// SPDX-License-Identifier: MIT
#pragma once

// Registers the built-in artwork (":/art/..."); safe to call more than once.
void initBuiltInArt();
