#pragma once
// Replaces a file's contents without ever leaving it half-written: the bytes go to a new
// file beside it, are flushed to disk, and the new file is renamed over the old one.
#include <string>

// Throws FileError naming `path` when the new contents cannot be written; the old file is
// then left as it was.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Test hook: when set, the write fails after this many bytes (as a full disk would).
extern long AtomicWriteFailAfterBytes;
