// Lets a test's windows run for a while: messages are handled as they come, so
// timers, posted messages and paints happen as they would in the program.
#pragma once

#include <chrono>
#include <thread>

#include "forms/Application.h"

namespace zuno::wintest {

inline void PumpFor(forms::TApplication& app, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        app.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < end);
}

}  // namespace zuno::wintest
