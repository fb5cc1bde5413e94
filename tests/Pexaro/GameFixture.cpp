#include "GameFixture.h"

#include <cstdlib>

#include "Common/RandomNumber.h"

namespace pexaro::test {

GameTest::GameTest() : previousFolder_(std::filesystem::current_path()) {
    setenv("SDL_VIDEODRIVER", "x11", 0);
    std::filesystem::current_path(dir_.Path());
    std::filesystem::create_directories("daten/font/vera");
    std::filesystem::copy_file(PEXARO_FONT_FILE, "daten/font/vera/Vera.ttf");
    std::filesystem::create_directories("bilder");
    common::RandomNumber::Seed(1234);
    engine_ = std::make_unique<zr2d::GameEngine>(
        zr2d::VideoSettings(common::Point2D(1024, 768), 32, false, 512), "Gedächtnisspiel",
        nullptr);
    control_ = std::make_unique<GameControl>(*engine_);
}

GameTest::~GameTest() {
    engine_->Dispose();
    std::filesystem::current_path(previousFolder_);
}

void GameTest::MakeSet(const std::string& set, const std::vector<std::string>& files) {
    std::filesystem::create_directories("bilder/" + set);
    int colour = 0;
    for (const auto& file : files) {
        const std::string path = "bilder/" + set + "/" + file;
        // Every file is a real picture, in the format its extension names when there is one.
        std::string format = file.substr(file.rfind('.') + 1);
        if (format != "jpg" && format != "jpeg" && format != "bmp") format = "png";
        const std::string command = "convert -size 320x240 xc:'rgb(" +
                                    std::to_string(40 + 20 * colour) + ",90,160)' " + format +
                                    ":'" + path + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        ++colour;
    }
}

void GameTest::StartGame(const std::string& set) {
    Data().SetGameFolder("bilder//" + set);
    control_->StartGame();
}

void GameTest::Frame() {
    ticks_ += 16;
    ASSERT_TRUE(engine_->Step(ticks_));
}

void GameTest::Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
}

void GameTest::FinishTransition() {
    for (int i = 0; i < 600; ++i) {
        const Pexaro* game = Game();
        if (!game || !game->TransitionNode()->Visible()) return;
        Frame();
    }
    FAIL() << "the picture change never ended";
}

void GameTest::Handle(SDL_Event event) {
    const auto scene = engine_->CurrentScene();
    scene->EventManager()->HandleEvent(event);
}

void GameTest::Type(const std::string& latin1) {
    for (const unsigned char c : latin1) {
        SDL_Event key{};
        key.type = SDL_KEYDOWN;
        key.key.state = SDL_PRESSED;
        key.key.keysym.sym = static_cast<SDLKey>(c < 128 ? c : 0);
        key.key.keysym.unicode = c;
        Handle(key);
    }
}

void GameTest::Enter() {
    // Handled after the key went up again, as with fast typing: only the event names the key.
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.state = SDL_PRESSED;
    key.key.keysym.sym = SDLK_RETURN;
    key.key.keysym.unicode = 13;
    Handle(key);
}

void GameTest::Click(int x, int y) {
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

std::shared_ptr<zr2d::Node> GameTest::Find(const std::string& name) const {
    return FindBelow(*engine_->CurrentScene()->Root(), name);
}

Pexaro* GameTest::Game() const { return dynamic_cast<Pexaro*>(engine_->CurrentScene().get()); }

Menu* GameTest::CurrentMenu() const { return dynamic_cast<Menu*>(engine_->CurrentScene().get()); }

}  // namespace pexaro::test
