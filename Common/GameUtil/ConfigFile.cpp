// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigFile.h"

#include "../Exception.h"
#include "../FileSystem/File.h"
#include "../MyLog.h"

namespace common {

ConfigFile::ConfigFile(const std::string& fileName) {
    try {
        Read(fileName);
    } catch (const std::exception&) {
        MyLog::Info("Error in ConfigFile constructor");
    }
}

void ConfigFile::Read(const std::string& fileName) {
    const std::vector<std::string> lines = File::ReadLines(fileName);
    if (lines.empty()) {
        MyLog::Info("Konfigurationsdatei nicht vorhanden");
        return;
    }
    std::shared_ptr<ConfigGroup> current;
    for (const auto& line : lines) {
        if (line.size() <= 2) continue;
        if (line.front() == '[') {
            // The last byte is dropped whatever it is: "[Game] " names the group "Game]".
            current = std::make_shared<ConfigGroup>(line.substr(1, line.size() - 2));
            MyLog::Info("New Group: " + current->Name());
            groups_.push_back(current);
            continue;
        }
        if (!current) {
            throw Exception("Konfigurationsdatei " + fileName + " enthält gruppenlose Daten");
        }
        MyLog::Info("New Data: " + line);
        current->AddData(std::make_shared<ConfigData>(line));
    }
}

std::shared_ptr<ConfigGroup> ConfigFile::GetGroup(const std::string& name) {
    for (const auto& group : groups_) {
        if (group->Name() == name) return group;
    }
    auto group = std::make_shared<ConfigGroup>(name);
    groups_.push_back(group);
    return group;
}

void ConfigFile::Save(const std::string& fileName) const {
    std::vector<std::string> lines;
    for (const auto& group : groups_) {
        lines.push_back("[" + group->Name() + "]");
        for (const auto& data : group->DataList()) lines.push_back(data->ToLine());
        lines.emplace_back();
    }
    File::WriteLines(lines, fileName);
}

}  // namespace common
