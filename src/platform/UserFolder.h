#pragma once
// Where the game keeps what it writes (its Data files and screenshots). A
// runtime tree whose Data folder the game may write to (the build tree, an
// unpacked copy) keeps everything there, as the game always did; an
// installed tree whose Data folder is read-only hands over to a folder of
// the user's own, which starts from the shipped defaults.

#include <functional>
#include <string>

// True when a file can be created in `folder`.
bool CanWriteInto(const std::string& folder);

// `treeFolder` (the folder above bin/, with its separator) when its Data
// folder is writable; otherwise `userFolder()` (asked only then, as asking
// may create it), seeded by SeedUserFolder. Falls back to the tree when the
// user's folder cannot be had either.
std::string ChooseUserFolder(const std::string& treeFolder, const std::function<std::string()>& userFolder,
                             const std::function<bool(const std::string&)>& writable = CanWriteInto);

// Copies each file of the tree's Data folder that the user's Data folder
// lacks; what the user already has is kept.
void SeedUserFolder(const std::string& treeFolder, const std::string& userFolder);
