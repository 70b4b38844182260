#include "text/test_util.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return "<missing>";
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += '\r';
    out += c;
  }
  return out;
}

std::string Utf16(const std::string& text, bool big_endian) {
  std::string out;
  for (char c : text) {
    if (big_endian)
      out += '\0';
    out += c;
    if (!big_endian)
      out += '\0';
  }
  return out;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TempFolder::TempFolder() {
  std::random_device random;
  for (;;) {
    fs::path p = fs::temp_directory_path() /
                 ("korvane_test_" + std::to_string(random()));
    if (fs::create_directory(p)) {
      path_ = p.string();
      return;
    }
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TempFolder::operator/(const std::string& name) const {
  return (fs::path(path_) / name).string();
}

ScopedTempWorkingFolder::ScopedTempWorkingFolder()
    : previous_(fs::current_path().string()) {
  fs::current_path(path());
}

ScopedTempWorkingFolder::~ScopedTempWorkingFolder() {
  fs::current_path(previous_);
}
