// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace testsupport {

// Runs a command in the shell of the machine the tests run on (ImageMagick's convert and the
// like) and returns its status, 0 for success. The Windows build runs under Wine and reaches the
// Linux host's shell through it: Windows paths in the command become the host's.
int HostCommand(const std::string& command);

}  // namespace testsupport
