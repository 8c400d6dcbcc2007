#pragma once

class QWidget;

namespace schemakit {

// A drawing lock that, like the platform's, is granted to one window at a time:
// while `window` holds it, the window does not repaint. Returns false, changing
// nothing, when another window holds the lock (or `window` is null).
bool LockWindowUpdate(QWidget* window);
// Releases the lock, whoever holds it, and repaints that window.
void UnlockWindowUpdate();
// The window that holds the lock, or null.
QWidget* LockedWindow();

} // namespace schemakit
