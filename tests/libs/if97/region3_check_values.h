// SPDX-License-Identifier: GPL-3.0-or-later
// The published check values that concern region 3, picked from the
// project's copy of the release tables.
#ifndef HYDRELIX_TESTS_IF97_REGION3_CHECK_VALUES_H
#define HYDRELIX_TESTS_IF97_REGION3_CHECK_VALUES_H

#include <string>
#include <vector>

#include "published_values.h"

namespace region3_test {

// Every row whose property is one of `properties` and whose region column
// starts with `regionPrefix`.
inline std::vector<if97_test::PublishedValue> checkValues(const std::vector<std::string>& properties,
                                                         const std::string& regionPrefix) {
  std::vector<if97_test::PublishedValue> rows;
  for (const auto& row : if97_test::readPublishedValues(HYDRELIX_TEST_DATA "/if97/verification.csv")) {
    bool wanted = false;
    for (const std::string& property : properties) wanted = wanted || row.property == property;
    if (wanted && row.region.compare(0, regionPrefix.size(), regionPrefix) == 0) rows.push_back(row);
  }
  return rows;
}

}  // namespace region3_test

#endif
