#pragma once
// The shared file dialog instance and the hook that gives every file dialog,
// as it opens, the position and button texts set on that instance.

class QFileDialog;
class tkdCommonDialog;

namespace mdlCdlg {

// The shared instance, created when first asked for.
tkdCommonDialog& ActiveDialog();
// Lets the shared instance go; the next ActiveDialog() makes a fresh one.
void ReleaseActiveDialog();

// Applies ActiveDialog's settings to `dialog` once it is first shown: moves it
// to (Left, Top) unless both are 0, keeping its size, and replaces the OK and
// Cancel captions by OKText and CancelText where they are not empty.
void installHook(QFileDialog& dialog);

} // namespace mdlCdlg
