// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryCopy.h"

#include "../Helper.h"
#include "../MyLog.h"
#include "../Platform/Platform.h"
#include "../Platform/Utf8Path.h"

namespace common {

std::optional<std::string> TemporaryCopy::Create(const std::string& path,
                                                 const std::string& prefix) {
    const std::string extension = Utf8Path::Text(Utf8Path::From(path).extension());
    for (int n = -1; n < 10000; ++n) {
        const std::string name = prefix + (n < 0 ? std::string() : std::to_string(n)) + extension;
        switch (Platform::CopyToNewFile(path, name)) {
            case Platform::CopyResult::Copied:
                return name;
            case Platform::CopyResult::TargetExists:
                continue;
            case Platform::CopyResult::SourceUnreadable:
                Helper::Fail("Datei " + path + " kann nicht gelesen werden");
            case Platform::CopyResult::TargetUncreatable:
                MyLog::Warning("Temporäre Datei " + name + " kann nicht angelegt werden");
                return std::nullopt;
            case Platform::CopyResult::Unwritten:
                MyLog::Warning("Temporäre Datei " + name + " kann nicht geschrieben werden");
                return std::nullopt;
        }
    }
    MyLog::Warning("Keine freie temporäre Datei für " + path);
    return std::nullopt;
}

}  // namespace common
