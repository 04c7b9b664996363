// The parse of megabyte texts: two parents followed by a megabyte of further
// lines, and a megabyte-long entry. Prints the median and fastest of many runs
// in milliseconds.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/ParentsParser.h"

namespace {

void Measure(const char* name, const std::string& text) {
  std::vector<double> millis;
  for (int i = 0; i < 51; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const engine::ParseOutcome outcome = engine::ParseParentsText(text);
    millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    if (!outcome.text) std::fprintf(stderr, "the text should have been rewritten\n");
  }
  std::sort(millis.begin(), millis.end());
  std::printf("%s_median_ms %.3f\n%s_min_ms %.3f\n", name, millis[millis.size() / 2], name, millis.front());
}

}  // namespace

int main() {
  const std::string parents = "A a/b\tB e/f\tC i/j\tD m/n\rA c/d\tB g/h\tC k/l\tD o/p\r";
  std::string manyLines = parents;
  while (manyLines.size() < (1U << 20)) manyLines += "A a/b\tB e/f\tC i/j\tD m/n\r";
  std::string longEntry = "A " + std::string(1U << 20, 'a') + "   /b\rA c/d";
  Measure("parse_1mb_lines", manyLines);
  Measure("parse_1mb_entry", longEntry);
  return 0;
}
