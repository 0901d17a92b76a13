#pragma once
// The windows the main menu's buttons open, gathered where every subsystem's windows may be included.
#include "shell/qt/frmMainMenu.h"

MainMenuActions ProgramMenuActions();
