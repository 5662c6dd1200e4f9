#pragma once
// The settings dialog: the player's name and the stake.

// Runs the dialog modally over the program and updates Results.Name and Results.Pot on OK.
void ShowSettingsDialog();
