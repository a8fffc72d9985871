// SPDX-License-Identifier: GPL-3.0-or-later
// Rows written as CSV, TSV and JSON Lines, and CSV read back: what a
// spreadsheet or a JSON reader would get wrong if a field were not quoted,
// escaped or split as the formats define.
#include "cli/row_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/csv_reader.h"

namespace {

using cli::Cell;
using cli::RowFormat;
using cli::RowWriter;

const std::vector<Cell> kAwkwardRow = {Cell::Of("plain"),      Cell::Of("a,b"),
                                       Cell::Of("say \"hi\""), Cell::Of("two\nlines"),
                                       Cell::Number(1.5),      Cell::Null()};

std::string Written(RowFormat format) {
  const RowWriter writer(format, {"name", "list", "quote", "text", "x [\u00B0F]", "none"});
  std::string out;
  writer.AppendHeader(out);
  writer.AppendRow(out, kAwkwardRow);
  writer.AppendRow(out, {Cell::Of("short")});
  return out;
}

TEST(RowWriter, CsvQuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(Written(RowFormat::Csv),
            "name,list,quote,text,x [\u00B0F],none\n"
            "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",1.5,\n"
            "short,,,,,\n");
}

TEST(RowWriter, TsvTurnsTabsAndBreaksIntoSpaces) {
  const RowWriter writer(RowFormat::Tsv, {"a", "b"});
  std::string out;
  writer.AppendRow(out, {Cell::Of("x\ty"), Cell::Of("p\r\nq")});
  EXPECT_EQ(out, "x y\tp  q\n");
  EXPECT_EQ(Written(RowFormat::Tsv).substr(0, 31), "name\tlist\tquote\ttext\tx [\u00B0F]\tno");
}

TEST(RowWriter, JsonLinesOneObjectPerRowWithNumbersAndNulls) {
  EXPECT_EQ(Written(RowFormat::JsonLines),
            "{\"name\": \"plain\", \"list\": \"a,b\", \"quote\": \"say \\\"hi\\\"\", \"text\": "
            "\"two\\nlines\", "
            "\"x [\u00B0F]\": 1.5, \"none\": null}\n"
            "{\"name\": \"short\", \"list\": null, \"quote\": null, \"text\": null, \"x "
            "[\u00B0F]\": null, "
            "\"none\": null}\n");
  std::string control;
  cli::AppendJsonString(control, std::string("a\x01\\", 3));
  EXPECT_EQ(control, "\"a\\u0001\\\\\"");
}

std::vector<std::vector<std::string>> ReadAll(const std::string& text,
                                              bool* unterminated = nullptr) {
  std::FILE* file = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  cli::CsvReader reader(file);
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> fields;
  while (reader.Next(fields)) {
    records.push_back(fields);
    if (unterminated) *unterminated = reader.Unterminated();
  }
  std::fclose(file);
  return records;
}

TEST(CsvReader, ReadsBackWhatTheWriterWrites) {
  const std::vector<std::vector<std::string>> records = ReadAll(Written(RowFormat::Csv));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1],
            (std::vector<std::string>{"plain", "a,b", "say \"hi\"", "two\nlines", "1.5", ""}));
  EXPECT_EQ(records[2].size(), 6u);
}

TEST(CsvReader, ByteOrderMarkLineEndingsAndAnOpenQuote) {
  EXPECT_EQ(ReadAll("\xEF\xBB\xBFp,h\r\n1,2\r\n3,4"),
            (std::vector<std::vector<std::string>>{{"p", "h"}, {"1", "2"}, {"3", "4"}}));
  EXPECT_EQ(ReadAll("a\n\nb\n"), (std::vector<std::vector<std::string>>{{"a"}, {""}, {"b"}}));
  EXPECT_TRUE(ReadAll("").empty());
  bool unterminated = false;
  EXPECT_EQ(ReadAll("p,h\n1,\"2\n", &unterminated).back(), (std::vector<std::string>{"1", "2\n"}));
  EXPECT_TRUE(unterminated);
}

}  // namespace
