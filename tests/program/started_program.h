// A program started afresh on the scripted console and platform, as the
// replay and the case-file tests drive it.
#pragma once

#include "console/scripted_console.h"
#include "model/platform.h"
#include "model/session.h"
#include "program/session/startup.h"

namespace hx {

struct StartedProgram {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    StartedProgram() { startProgram(session); }
};

}  // namespace hx
