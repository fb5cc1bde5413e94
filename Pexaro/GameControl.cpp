// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameControl.h"

#include "Common/MyLog.h"
#include "Menu.h"
#include "Pexaro.h"

namespace pexaro {

void GameControl::Run() {
    // Every screen is made of text: without a usable font the program ends here and says why,
    // instead of showing a menu without buttons that cannot be left.
    for (const auto& font : {data_.SmallFont(), data_.LargeFont()}) {
        engine_.VideoEngine().Factory().CreateGlyphTextures(font, " ");
    }
    ShowMenu();
    engine_.Run();
    Quit();
}

void GameControl::ShowMenu() {
    Menu::Create(engine_, data_, *this)->ShowScene(true);
    // A count that stays level from game to game shows that screens give their textures back.
    common::MyLog::Info("Menü geöffnet, Texturen: " +
                        std::to_string(engine_.VideoEngine().LiveTextureCount()));
}

void GameControl::StartGame() {
    const auto game = Pexaro::Create(engine_, data_, *this);
    if (!game->HasLeft()) game->ShowScene(true);
}

}  // namespace pexaro
