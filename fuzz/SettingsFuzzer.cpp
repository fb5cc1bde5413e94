// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader: whatever settings.txt holds, reading it and every typed read of its
// values must neither crash nor throw.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Common/GameUtil/ConfigFile.h"
#include "FuzzInputFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    common::ConfigFile config(fuzzing::FuzzInputFile::Write(data, size));
    for (const auto& group : config.Groups()) {
        for (const auto& entry : group->DataList()) {
            // Non-zero is true, whatever the text.
            if (entry->GetBool() != (entry->GetInt() != 0)) std::abort();
        }
    }
    // What the game asks for at start.
    const auto game = config.GetGroup("Game");
    game->GetData("showLog", "0")->GetBool();
    game->GetData("fullscreen", "0")->GetBool();
    game->GetData("maxTextureSize", "512")->GetInt();
    return 0;
}
