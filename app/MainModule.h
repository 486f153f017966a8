// Module-level state of the main window's module (Unit1): what outlives one event
// handler lives here, not in the form object.
#pragma once

#include <string>

#include "content/Connection.h"
#include "runner/core/DisplayPage.h"
#include "runner/core/RunState.h"

namespace zuno::app {

class TForm1;
class Tflash;

// The program's folder with a trailing backslash; every file except the result log
// is addressed from it.
extern std::wstring exepath;
// exepath + "zuno.ini".
extern std::wstring inipath;
// The one connection to the content database, opened during the main window's
// creation and closed when the program ends.
extern content::Connection adoconn;
// The content database's version text (softinfo record 12); empty until read.
extern std::string softversion;

// The run state of the loaded test and the display page's layout state.
extern runner::RunState runState;
extern runner::DisplayPage page;

// The forms, created in start-up order; flash exists only during start-up.
extern TForm1* Form1;
extern Tflash* flash;

}  // namespace zuno::app
