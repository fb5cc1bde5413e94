#include "GameControl.h"

#include "Menu.h"
#include "Pexaro.h"

namespace pexaro {

void GameControl::Run() {
    ShowMenu();
    engine_.Run();
    Quit();
}

void GameControl::ShowMenu() { Menu::Create(engine_, data_, *this)->ShowScene(true); }

void GameControl::StartGame() {
    const auto game = Pexaro::Create(engine_, data_, *this);
    if (!game->HasLeft()) game->ShowScene(true);
}

}  // namespace pexaro
