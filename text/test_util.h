#ifndef KORVANE_TEXT_TEST_UTIL_H_
#define KORVANE_TEXT_TEST_UTIL_H_

#include <string>

/// The whole content of |path|, or "<missing>" when it can't be read.
std::string ReadBytes(const std::string& path);

/// |text| with every line feed written as CR LF, as the program writes.
std::string Crlf(const std::string& text);

/// The 8-bit |text| as UTF-16 bytes, one character a byte, without a mark.
std::string Utf16(const std::string& text, bool big_endian);

/// Writes |bytes| to |path| as they stand.
void WriteBytes(const std::string& path, const std::string& bytes);

/// A fresh empty folder under the system's temporary folder, removed with
/// everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& path() const { return path_; }
  /// |name| inside the folder.
  std::string operator/(const std::string& name) const;

 private:
  std::string path_;
};

/// A TempFolder that is the working folder while the object lives.
class ScopedTempWorkingFolder : public TempFolder {
 public:
  ScopedTempWorkingFolder();
  ~ScopedTempWorkingFolder();

 private:
  std::string previous_;
};

#endif  // KORVANE_TEXT_TEST_UTIL_H_
