// A logout, `kill` or Ctrl+C ends the game the way the menu's "Konec" does, so the money
// balances and names are saved instead of lost with the process.
#pragma once

class QWidget;

// Closes `window` when SIGTERM, SIGINT or SIGHUP arrives. Call once, after the window exists.
void CloseOnQuitSignals(QWidget* window);
