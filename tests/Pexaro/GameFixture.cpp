#include "GameFixture.h"

#include <cstdlib>

namespace pexaro::test {

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

void GameTest::Frame() {
    ticks_ += 16;
    ASSERT_TRUE(Step(ticks_));
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

}  // namespace pexaro::test
