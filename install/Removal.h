// What became of one thing the uninstaller was to remove. Only a failure
// keeps the removal from being complete: what is already gone counts as
// removed, and what is kept on purpose (it holds what is not ours, another
// installation uses it) is no fault.
// The remove sides of the program group and the Uninstall entry answer
// with it; the uninstaller words it for its log.
#pragma once

enum class Removal { Removed, AlreadyGone, Kept, Failed };
