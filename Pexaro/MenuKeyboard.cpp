// SPDX-License-Identifier: GPL-3.0-or-later
// The menu without a mouse: keys that do what the set buttons, "<", ">" and "Spiel starten" do.
#include <algorithm>

#include "Menu.h"
#include "ZudeRezede2D/Widgets/Checkbox.h"

namespace pexaro {

using zr2d::Keys;

void Menu::BindKeys() {
    keys_ = std::make_unique<KeyCommands>(*EventManager());
    keys_->On(Keys::Up, [this] { MoveSelection(-1); });
    keys_->On(Keys::Left, [this] { MoveSelection(-1); });
    keys_->On(Keys::Down, [this] { MoveSelection(1); });
    keys_->On(Keys::Right, [this] { MoveSelection(1); });
    keys_->On(Keys::PageUp, [this] { TurnPage(-1); });
    keys_->On(Keys::PageDown, [this] { TurnPage(1); });
    keys_->On(Keys::Return, [this] { StartIfReady(); });
    keys_->On(Keys::KeypadEnter, [this] { StartIfReady(); });
    keys_->On(Keys::F9, [this] { Data().Sounds().ToggleMute(); });
    // Escape stays unbound: nobody leaves the game by accident.
    // Typing goes to the name at once; a click elsewhere still takes it away as before.
    nameEdit_->SetActive(true);
}

void Menu::MoveSelection(int32_t step) {
    const auto count = static_cast<int32_t>(gameFolders_.size());
    if (count == 0) return;
    const int32_t current = Data().MenuCurrentGame();
    const int32_t firstOnPage = paging_.FirstSetOn(Data().MenuPage());
    const int32_t target = current < 1 || current > count ? std::min(firstOnPage, count)
                                                          : std::clamp(current + step, 1, count);
    if (target == current && selectedOnPage_) return;
    SelectSet(target);
}

void Menu::SelectSet(int32_t index) {
    const int32_t page = paging_.PageOf(index);
    if (page != Data().MenuPage()) {
        Data().SetMenuPage(page);
        RefreshGames();
    }
    const auto box =
        std::dynamic_pointer_cast<zr2d::Checkbox>(gameList_->GetControlByNumber(index));
    if (box && !box->IsChecked()) box->ApplyInitialState(true);
    selectedOnPage_ = true;
}

void Menu::TurnPage(int32_t step) {
    if (!paging_.IsPage(Data().MenuPage() + step)) return;
    if (step > 0) {
        NextPage();
    } else {
        PreviousPage();
    }
}

void Menu::StartIfReady() {
    if (ui_->MainGroup()->GetControl("startButton")->Enabled()) StartGame();
}

}  // namespace pexaro
