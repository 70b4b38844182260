// Reads a file as line pieces and writes them back, then copies it in whole
// buffers: every piece keeps to its bounds, and both copies are the file
// with CR LF line ends, in its encoding.

#include <stddef.h>
#include <stdint.h>

#include <string>

#include "fuzz/fuzz_util.h"
#include "fuzz/text_model.h"
#include "text/line_reader.h"
#include "text/line_writer.h"
#include "text/test_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TempFolder folder;
  static const std::string in = folder / "in", out = folder / "out";
  const std::string file(reinterpret_cast<const char*>(data), size);
  WriteBytes(in, file);

  TextLineReader reader;
  TextLineWriter writer;
  Check(reader.Open(in.c_str()), "open for reading");
  Check(writer.Open(out.c_str(), reader.encoding()), "open for writing");
  bool utf16 = IsUtf16(reader.encoding());
  size_t max = (utf16 ? 2 : 1) * LinePiece::kMaxLength;
  LinePiece piece;
  TextLineReader::Result r;
  while ((r = reader.Next(&piece)) == TextLineReader::kPiece) {
    Check(piece.length >= 1 && piece.length <= max, "piece length");
    Check(piece.text[piece.length] == '\0', "piece terminated");
    writer.WritePiece(piece);
  }
  Check(r == TextLineReader::kEnd, "read to the end");
  Check(writer.Close(), "write");
  const std::string expected = ModelCopy(file);
  Check(ReadBytes(out) == expected, "copy is the CR LF form");

  // The same in whole buffers.
  Check(reader.Open(in.c_str()), "open again");
  Check(writer.Open(out.c_str(), reader.encoding()), "open for writing again");
  Check(reader.CopyTo(&writer) == TextLineReader::kEnd, "copy to the end");
  Check(writer.Close(), "write again");
  Check(ReadBytes(out) == expected, "CopyTo gives the CR LF form");
  return 0;
}
