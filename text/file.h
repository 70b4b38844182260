#ifndef KORVANE_TEXT_FILE_H_
#define KORVANE_TEXT_FILE_H_

#include <stddef.h>
#include <stdint.h>

// The thin file layer under the text line reader and writer. Every file is
// opened in binary mode: line ends are converted by the text layer alone, the
// same on every platform, and every other byte (NUL and Ctrl-Z included)
// passes through unchanged.

/// An open file of the platform: a descriptor on POSIX, a HANDLE on Windows.
typedef intptr_t FileHandle;

/// Opens the existing file |path| for reading, shared with other programs for
/// reading and writing. Fails when it is missing, is a folder or can't be read.
bool FileOpenForReading(const char* path, FileHandle* file);

/// Opens |path| for writing, shared with other programs for reading and
/// writing: an existing file is truncated to length 0, a missing one is
/// created with mode 0644. Fails when the file can't be created or written,
/// for instance when it is read-only or a folder of that name exists.
bool FileOpenForWriting(const char* path, FileHandle* file);

/// Reads up to |size| bytes into |buf|. Returns the number of bytes read,
/// 0 at the end of the file, or -1 when the read failed.
long FileRead(FileHandle file, char* buf, size_t size);

/// Writes all |size| bytes of |data|. Returns false when any of them could
/// not be written (a full disk, for instance).
bool FileWrite(FileHandle file, const char* data, size_t size);

/// Forces what was written so far to the disk. Returns false on failure.
bool FileSync(FileHandle file);

/// Releases |file|. Returns false when the system reports a failure, which
/// may be a delayed write error.
bool FileClose(FileHandle file);

/// Copies the bytes of the file |from| over the file |to|, unchanged, and
/// forces them to the disk. Returns false when any step fails; |to| may then
/// be incomplete.
bool FileCopy(const char* from, const char* to);

#endif  // KORVANE_TEXT_FILE_H_
