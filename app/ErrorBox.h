#pragma once
// The one place where an error ends a user action: the message goes into the standard
// error box and the program carries on with the next action.

#include <QString>

#include <functional>

// "21 - A kártyajáték" in the player's language: the taskbar's and the error box's caption.
QString ApplicationTitle();

// Appends a full stop when the last character's code is above that of ".".
QString WithFullStop(const QString& message);

// The standard error box: stop icon, OK, captioned with the application title,
// modal to the whole application.
void ShowErrorBox(const QString& message);

// Runs one user action. Any exception it raises stops it there and is shown in the
// error box; what the action did before stays done. Returns false when it failed.
// It wraps the entry points that run game or file code, and only those: the actions, the
// window's creation and closing, the end of the session and a change of screen. Painting,
// event filters, show events and other handlers that only touch widgets raise nothing and
// stay unwrapped, so an error there is a bug to fix, not a message for the player.
bool RunGuarded(const std::function<void()>& action) noexcept;
