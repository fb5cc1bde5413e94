// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHarness.h"

#include "Common/RandomNumber.h"
#include "Pexaro/GameSounds.h"
#include "Support/TestEngine.h"
#include "ZudeRezede2D/Audio/MixerAudio.h"

namespace testsupport {

GameHarness::GameHarness(bool showLog, const AudioChoice& audio)
    : log_(showLog), previousFolder_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir_.Path());
    std::filesystem::create_directories("daten/font/vera");
    std::filesystem::copy_file(PEXARO_FONT_FILE, "daten/font/vera/Vera.ttf");
    std::filesystem::create_directories("bilder");
    common::RandomNumber::Seed(1234);
    std::shared_ptr<zr2d::MixerAudio> mixer;
    if (audio.sound || audio.voice) {
        std::filesystem::copy(audio.soundFiles, "daten/sounds");
        // Made before the engine, as main.cpp makes it.
        mixer = std::make_shared<zr2d::MixerAudio>(
            pexaro::GameSounds::AudioSettings(audio.sound, audio.voice));
    }
    engine_ = OpenTestEngine(1024, 768, "Gedächtnisspiel", 512, mixer);
    control_ = std::make_unique<pexaro::GameControl>(*engine_);
    if (mixer) control_->Data().SetSounds(pexaro::GameSounds(mixer, audio.sound, audio.voice));
}

GameHarness::~GameHarness() {
    for (const SDLKey key : held_) SDL_GetKeyState(nullptr)[key] = 0;
    engine_->Dispose();
    std::filesystem::current_path(previousFolder_);
}

void GameHarness::StartGame(const std::string& set) {
    Data().SetGameFolder("bilder//" + set);
    control_->StartGame();
}

void GameHarness::Handle(SDL_Event event) {
    const auto scene = engine_->CurrentScene();
    scene->EventManager()->HandleEvent(event);
}

void GameHarness::Type(const std::string& latin1) {
    for (const unsigned char c : latin1) {
        SDL_Event key{};
        key.type = SDL_KEYDOWN;
        key.key.state = SDL_PRESSED;
        key.key.keysym.sym = static_cast<SDLKey>(c < 128 ? c : 0);
        key.key.keysym.unicode = c;
        Handle(key);
    }
}

void GameHarness::Enter() {
    // Handled after the key went up again, as with fast typing: only the event names the key.
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.state = SDL_PRESSED;
    key.key.keysym.sym = SDLK_RETURN;
    key.key.keysym.unicode = 13;
    Handle(key);
}

void GameHarness::Press(SDLKey key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    Handle(event);
}

void GameHarness::Hold(SDLKey key, uint16_t unicode) {
    SDL_GetKeyState(nullptr)[key] = 1;
    held_.push_back(key);
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.unicode = unicode;
    Handle(event);
}

void GameHarness::Release(SDLKey key) {
    SDL_GetKeyState(nullptr)[key] = 0;
    SDL_Event event{};
    event.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    event.key.keysym.sym = key;
    Handle(event);
}

void GameHarness::Click(int x, int y) {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = static_cast<uint16_t>(x);
    motion.motion.y = static_cast<uint16_t>(y);
    Handle(motion);
    SDL_Event up{};
    up.type = SDL_MOUSEBUTTONUP;
    up.button.button = SDL_BUTTON_LEFT;
    up.button.x = static_cast<uint16_t>(x);
    up.button.y = static_cast<uint16_t>(y);
    Handle(up);
}

namespace {

std::shared_ptr<zr2d::Node> FindBelow(const zr2d::Node& node, const std::string& name) {
    for (const auto& child : node.Children().List()) {
        if (child->Name() == name) return child;
        if (auto found = FindBelow(*child, name)) return found;
    }
    return nullptr;
}

}  // namespace

std::shared_ptr<zr2d::Node> GameHarness::Find(const std::string& name) const {
    return FindBelow(*engine_->CurrentScene()->Root(), name);
}

pexaro::Pexaro* GameHarness::Game() const {
    return dynamic_cast<pexaro::Pexaro*>(engine_->CurrentScene().get());
}

pexaro::Menu* GameHarness::CurrentMenu() const {
    return dynamic_cast<pexaro::Menu*>(engine_->CurrentScene().get());
}

}  // namespace testsupport
