#pragma once
// Readable names for table-driven GoogleTest cases: the row's own `name`,
// with everything but letters and digits turned into underscores.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace kestrin {

template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row) {
  std::string name = row.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

}  // namespace kestrin
