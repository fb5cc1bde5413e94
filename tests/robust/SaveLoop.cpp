// SPDX-License-Identifier: GPL-3.0-or-later
// Saves game.dat over and over through the game's own writer and key, alternating between two
// sets of tables, until it is killed. The kill test stops it at random moments.
//   pexaro-save-loop <file> <tables A> <tables B>   (plain lines, as pexaro-gamedat shows them)

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Common/FileSystem/EncryptedFile.h"
#include "Pexaro/GameDatLayout.h"

namespace {

std::vector<std::string> ReadLines(const std::string& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: pexaro-save-loop <file> <tables A> <tables B>\n";
        return 2;
    }
    const std::vector<std::string> tables[] = {ReadLines(argv[2]), ReadLines(argv[3])};
    for (unsigned long n = 0;; ++n) {
        common::EncryptedFile::Write(argv[1], pexaro::GameDatLayout::Key(), tables[n % 2]);
        if (n == 0) std::cout << "saving" << std::endl;
    }
}
