#pragma once
// The toolkit's application object for the commands that make pictures:
// fonts and the built-in pictures need one. It draws off-screen unless
// QT_QPA_PLATFORM says otherwise, and keeps the toolkit's own notes (about
// the session's folders and the like) from the tool's user.

class QGuiApplication;

namespace cli {

// Made on the first call.
QGuiApplication& guiApplication();

} // namespace cli
