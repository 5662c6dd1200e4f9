#pragma once
// The about box.

// Runs the about box modally over the program.
void ShowAboutDialog();
