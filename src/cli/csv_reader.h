// SPDX-License-Identifier: GPL-3.0-or-later
// Records of a CSV stream (RFC 4180: comma-separated, fields optionally in
// double quotes with quotes doubled inside, line breaks allowed inside
// quotes, lines ending in LF or CRLF), read a buffer at a time so a file of
// any size streams through. A UTF-8 byte-order mark at the start is skipped.
#ifndef HYDRELIX_CLI_CSV_READER_H
#define HYDRELIX_CLI_CSV_READER_H

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace cli {

class CsvReader {
 public:
  explicit CsvReader(std::FILE* file);

  // The next record's fields; false at the end of the stream or on a read
  // error (see Failed). A quoted field left open at the end of the stream
  // ends the record, which Unterminated then tells.
  bool Next(std::vector<std::string>& fields);
  bool Unterminated() const { return unterminated_; }
  bool Failed() const { return failed_; }
  // Bytes consumed so far.
  std::uint64_t Position() const { return position_; }

 private:
  int Peek();
  int Get();
  bool Fill();

  std::FILE* file_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0, end_ = 0;
  std::uint64_t position_ = 0;
  bool started_ = false;
  bool unterminated_ = false;
  bool failed_ = false;
  bool eof_ = false;
};

}  // namespace cli

#endif
