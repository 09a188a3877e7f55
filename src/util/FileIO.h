#pragma once
// Whole-file reads and crash-safe whole-file writes. Paths are native ('/').

#include <functional>
#include <string>
#include <string_view>

// Reads the regular file at `path` a chunk at a time, handing each chunk to
// `take` until it returns false or the file ends. Anything but a regular
// file (a folder, a pipe, a device) is refused at once, without waiting on
// it. False when the file cannot be opened or read.
bool ReadFileInChunks(const std::string& path, const std::function<bool(std::string_view chunk)>& take);

// Reads the regular file at `path` into `contents`. False (and `contents`
// empty) when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

// Replaces the file at `path` with `contents` so that an interruption at any
// moment leaves either the old file or the new one, never a truncated mix: the
// bytes go to a temporary file of its own in the same folder (`path` +
// ".tmp." and a name no other writer uses, so two copies of the game saving
// at once never share one), are flushed to disk, and the temporary file is
// then renamed over the old one. False when any step fails;
// the old file is then untouched.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

// The last step of WriteFileAtomically: moves the flushed temporary file over
// the target. Tests swap it to stop a write between flushing and renaming.
using CommitStep = std::function<bool(const std::string& tempPath, const std::string& path)>;
void SetCommitStep(CommitStep step);  // an empty step restores the rename
