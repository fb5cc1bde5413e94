// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Included by the file that defines a program's main, which must take (int, char*[]). On Windows
// SDL renames main to SDL_main and calls it from its own entry point, after setting up what its
// window needs; this header gives the renamed function the C linkage that entry point expects.
#include <SDL_main.h>
