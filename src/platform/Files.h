// File-system services for the game: data files found under the program folder
// whatever their letter case, and files written so that a crash or a full disk
// never leaves a half-written file behind.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// ---- Reading data beside the program ----
// The path to open for a relative data path: the path itself when it exists, otherwise
// the entry of each folder level that matches it ignoring letter case (folder listings
// are cached). Absolute paths and paths with no match come back unchanged.
std::string ResolveDataPath(const std::string& path);
// Forgets the cached listings (after files were added below the program folder).
void ClearDataPathCache();

// ---- Queries ----
bool PathExists(const std::string& path);
bool IsDirectory(const std::string& path);
// Names of the entries of a folder ("." and ".." left out); false when it cannot be listed.
bool ListDirectory(const std::string& path, std::vector<std::string>& names);

// ---- Folders ----
// Creates the folder with any missing parents; true when it exists afterwards.
bool MakeDirectories(const std::string& path);
// Creates the folder alone (the parent must exist); true when it exists afterwards.
bool MakeDirectory(const std::string& path);
// Makes sure the owner may read, write and enter the folder. Never adds rights for others.
bool EnsureOwnerAccess(const std::string& path);

// ---- Files ----
// The whole content of a plain file (a link to one counts). Anything else at the path
// (a folder, a pipe, a device) and a file larger than maxBytes read as missing: false.
// On failure why (when given) gets the reason.
bool ReadWholeFile(const std::string& path, std::string& bytes, size_t maxBytes = SIZE_MAX,
                   std::string* why = nullptr);
// The whole content of a data file beside the program, found as ResolveDataPath finds it.
// Every loader of pictures, sounds, fonts, levels and texts reads through this.
bool ReadDataFile(const std::string& path, std::string& bytes);
// Writes the bytes to "<path>.tmp" in the same folder, flushes them to disk and renames
// the temporary file over the path. The old file stays whole until the rename; nothing
// is written through a symbolic link. On failure why (when given) gets the reason.
bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string* why = nullptr);
// Appends to the file (created when missing), refusing to follow a symbolic link.
bool AppendToFile(const std::string& path, const std::string& bytes);
bool RemoveFile(const std::string& path);
// Removes the "<name>.tmp" files of a folder (plain files or links, nothing else), which
// WriteFileSafely leaves behind only when the process is killed mid-write. For folders
// no other running program writes to. Returns how many were removed.
int RemoveTempFiles(const std::string& folder);

// Test hook: the safe writer fails after this many bytes of the temporary file (-1: never).
void SetSafeWriteFailAfter(long bytes);
