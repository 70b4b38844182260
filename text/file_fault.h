#ifndef KORVANE_TEXT_FILE_FAULT_H_
#define KORVANE_TEXT_FILE_FAULT_H_

#include <string>
#include <vector>

// A seam in the file layer, linked into the tests only in place of file.cc:
// it counts every file operation (open, read, write, sync, close) and fails
// the ones it is told to, as a full disk or a failing device would.

/// Makes the |n|-th file operation from now fail (1 is the next one), and
/// with |sticky| every one after it too; 0 makes none fail. Operations on
/// the file named |spared| are neither counted nor failed. Resets the count
/// and the list of failed operations.
void InjectFileFault(long n, bool sticky, const std::string& spared = "");

/// The number of file operations since the last InjectFileFault().
long FileOperationCount();

enum FileOperation { kOpenForReading, kOpenForWriting, kRead, kWrite, kSync, kClose };

struct FailedOperation {
  FileOperation operation;
  std::string path;         // As the program named the file.
  bool opened_for_reading;  // The file was opened for reading only.
};

/// The operations failed since the last InjectFileFault(), in order.
const std::vector<FailedOperation>& FailedFileOperations();

#endif  // KORVANE_TEXT_FILE_FAULT_H_
