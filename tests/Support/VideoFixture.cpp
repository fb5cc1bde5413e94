// SPDX-License-Identifier: GPL-3.0-or-later
#include "VideoFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "HostCommand.h"

namespace testsupport {

void GlTest::BeginPixelFrame() {
    engine().InitFrame();
    engine().Set2DView({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
}

std::filesystem::path GlTest::Convert(const std::string& arguments, const std::string& outputName) {
    const std::filesystem::path output = Folder() / outputName;
    const std::string command =
        "cd '" + Folder().string() + "' && convert " + arguments + " '" + output.string() + "'";
    if (testsupport::HostCommand(command) != 0) ADD_FAILURE() << "convert failed: " << command;
    return output;
}

std::vector<uint8_t> GlTest::DecodeRgba(const std::filesystem::path& file) {
    const std::filesystem::path raw = Folder() / (file.filename().string() + ".rgba");
    const std::string command =
        "convert '" + file.string() + "' -depth 8 rgba:'" + raw.string() + "'";
    if (testsupport::HostCommand(command) != 0) ADD_FAILURE() << "decode failed: " << command;
    std::ifstream in(raw, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool GlTest::HasLogLine(const std::string& level, const std::string& text) const {
    std::istringstream lines(log_.Text());
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(level) && line.find(text) != std::string::npos) return true;
    }
    return false;
}

}  // namespace testsupport
