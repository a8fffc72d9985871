// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_reader.h"

namespace cli {

CsvReader::CsvReader(std::FILE* file) : file_(file), buffer_(1 << 16) {}

bool CsvReader::Fill() {
  if (eof_) return false;
  begin_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  if (end_ == 0) {
    eof_ = true;
    if (std::ferror(file_)) failed_ = true;
    return false;
  }
  return true;
}

int CsvReader::Peek() {
  if (begin_ == end_ && !Fill()) return EOF;
  return static_cast<unsigned char>(buffer_[begin_]);
}

int CsvReader::Get() {
  const int c = Peek();
  if (c != EOF) {
    ++begin_;
    ++position_;
  }
  return c;
}

bool CsvReader::Next(std::vector<std::string>& fields) {
  fields.clear();
  unterminated_ = false;
  if (!started_) {
    started_ = true;
    static constexpr unsigned char kMark[] = {0xEF, 0xBB, 0xBF};
    // The mark's three bytes lie in the first buffer unless the stream is
    // shorter than they are.
    if (Peek() == kMark[0] && end_ - begin_ >= 3 &&
        static_cast<unsigned char>(buffer_[begin_ + 1]) == kMark[1] &&
        static_cast<unsigned char>(buffer_[begin_ + 2]) == kMark[2]) {
      Get(), Get(), Get();
    }
  }
  if (Peek() == EOF) return false;

  std::string field;
  bool quoted = false;  // inside quotes
  for (;;) {
    const int c = Get();
    if (c == EOF) {
      if (quoted) unterminated_ = true;
      fields.push_back(std::move(field));
      return !failed_;
    }
    if (quoted) {
      if (c == '"') {
        if (Peek() == '"') {
          Get();
          field += '"';
        } else {
          quoted = false;
        }
      } else {
        field += static_cast<char>(c);
      }
      continue;
    }
    if (c == '"' && field.empty()) {
      quoted = true;
    } else if (c == ',') {
      fields.push_back(std::move(field));
      field.clear();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && Peek() == '\n') Get();
      fields.push_back(std::move(field));
      return true;
    } else {
      field += static_cast<char>(c);
    }
  }
}

}  // namespace cli
