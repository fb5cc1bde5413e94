// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start-up as main.cpp does it, ending after the first presented menu frame. Run in
// a copy of the run folder (settings.txt, daten/, bilder/); scripts/bench.sh times it.

#include <SDL.h>

#include "Common/GameUtil/ConfigFile.h"
#include "Common/MyLog.h"
#include "Pexaro/GameControl.h"
#include "PresentedAt.h"

int main() {
    common::ConfigFile config("settings.txt");
    const auto game = config.GetGroup("Game");
    common::MyLog::SetShowLog(game->GetData("showLog", "0")->GetBool());
    const zr2d::VideoSettings settings(common::Point2D(1024, 768), 32,
                                       game->GetData("fullscreen", "0")->GetBool(),
                                       game->GetData("maxTextureSize", "512")->GetInt());
    zr2d::GameEngine engine(settings, "Gedächtnisspiel", nullptr);
    pexaro::GameControl control(engine);
    control.ShowMenu();
    const bool running = engine.Step(SDL_GetTicks());
    bench::PrintPresentedAt();
    engine.Dispose();
    return running ? 0 : 1;
}
