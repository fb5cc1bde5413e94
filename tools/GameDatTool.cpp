// SPDX-License-Identifier: GPL-3.0-or-later
// Shows or writes a game.dat through the game's own reader, writer and key:
//   pexaro-gamedat show [FILE]    prints the plain lines
//   pexaro-gamedat write [FILE]   replaces FILE with the lines read from standard input
// FILE defaults to game.dat in the current folder.

#include <iostream>
#include <string>
#include <vector>

#include "Common/FileSystem/EncryptedFile.h"
#include "Common/Platform/Platform.h"
#include "Pexaro/GameDatLayout.h"

int main(int argc, char** argv) {
    common::Platform::PrepareConsole();
    const auto arguments = common::Platform::Arguments(argc, argv);
    const std::string command = arguments.size() > 1 ? arguments[1] : "";
    const std::string file = arguments.size() > 2 ? arguments[2] : "game.dat";
    try {
        if (command == "show") {
            const auto lines = common::EncryptedFile::Read(file, pexaro::GameDatLayout::Key());
            if (!lines) {
                std::cerr << file << " does not exist\n";
                return 1;
            }
            for (const auto& line : *lines) std::cout << line << '\n';
            return 0;
        }
        if (command == "write") {
            std::vector<std::string> lines;
            for (std::string line; std::getline(std::cin, line);) lines.push_back(line);
            common::EncryptedFile::Write(file, pexaro::GameDatLayout::Key(), lines);
            return 0;
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    std::cerr << "usage: pexaro-gamedat show|write [FILE]\n";
    return 2;
}
