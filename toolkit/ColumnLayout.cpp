#include "toolkit/ColumnLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

#include "toolkit/Text.h"

namespace toolkit {
namespace {

struct WidthSpec {
  double value = 0;
  bool percent = false;
};

std::vector<WidthSpec> ParseWidths(const std::string& widths) {
  std::vector<WidthSpec> parsed;
  for (std::string piece : Split(widths, ",")) {
    WidthSpec width;
    width.percent = !piece.empty() && piece.back() == '%';
    if (width.percent) piece.pop_back();
    try {
      width.value = std::max(0.0, std::stod(piece));
    } catch (const std::exception&) {
      width.value = 0;  // an unreadable width leaves the column to share the rest
      width.percent = false;
    }
    parsed.push_back(width);
  }
  return parsed;
}

// A column cut short keeps at least this part of its share, enough for the
// end of its text to stay readable.
constexpr double kLeastPartOfShare = 0.75;

// Some columns are held at exactly their need and the others get `level`
// times their share, the level chosen so that together they fill the visible
// width.
struct Fit {
  std::vector<bool> atNeed;
  double level = 0;
};

// Starting from the columns held already, each round holds the columns that
// `holds` picks at the current level, until it picks none. The level never
// exceeds `maxLevel`.
template <class Holds>
Fit Settle(const std::vector<double>& shares, const std::vector<std::int32_t>& needs, double visible,
           std::vector<bool> held, double maxLevel, Holds holds) {
  Fit fit{std::move(held), 0};
  for (bool changed = true; changed;) {
    double heldNeeds = 0;
    double freeShares = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
      if (fit.atNeed[i]) {
        heldNeeds += needs[i];
      } else {
        freeShares += shares[i];
      }
    }
    fit.level = freeShares > 0 ? std::min(maxLevel, (visible - heldNeeds) / freeShares) : 0;
    changed = false;
    for (std::size_t i = 0; i < shares.size(); ++i) {
      if (!fit.atNeed[i] && holds(needs[i], fit.level * shares[i])) fit.atNeed[i] = changed = true;
    }
  }
  return fit;
}

// Every need fits. A column whose share, scaled down with the others to make
// room, would be less than its need is held at its need. The scale never goes
// above 1, so shares that leave part of the width unused still do.
Fit FitEveryNeed(const std::vector<double>& shares, const std::vector<std::int32_t>& needs, double visible) {
  return Settle(shares, needs, visible, std::vector<bool>(shares.size(), false), 1.0,
                [](double need, double part) { return need > part; });
}

// Not every need fits. A cut number or short name says nothing, while a long
// text cut at its start still shows its end, so the columns with the
// shortest texts are held at their needs first, one after the other, as long
// as every column not held keeps room for the least part of its share (or
// its need, when that is less). The others share what is left by their
// shares, none wider than it needs.
Fit FitShortestFirst(const std::vector<double>& shares, const std::vector<std::int32_t>& needs, double visible) {
  std::vector<std::size_t> order(shares.size());
  std::vector<double> least(shares.size());
  double leastForOthers = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
    least[i] = std::min<double>(needs[i], kLeastPartOfShare * shares[i]);
    leastForOthers += least[i];
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return needs[a] < needs[b]; });

  std::vector<bool> held(shares.size(), false);
  double taken = 0;
  for (const std::size_t i : order) {
    leastForOthers -= least[i];
    if (taken + needs[i] + leastForOthers > visible) break;
    held[i] = true;
    taken += needs[i];
  }
  return Settle(shares, needs, visible, std::move(held), std::numeric_limits<double>::infinity(),
                [](double need, double part) { return need <= part; });
}

}  // namespace

std::vector<double> ColumnShares(const std::string& widths, std::size_t columns, double visible) {
  std::vector<WidthSpec> specs = ParseWidths(widths);
  specs.resize(columns);

  double percentTotal = 0;
  double pixelTotal = 0;
  std::size_t unsized = 0;
  for (const WidthSpec& width : specs) {
    if (width.percent) {
      percentTotal += width.value;
    } else if (width.value > 0) {
      pixelTotal += width.value;
    } else {
      ++unsized;
    }
  }
  const double scale = percentTotal > 100 ? 100 / percentTotal : 1;
  const double left = std::max(0.0, visible - pixelTotal - visible * percentTotal * scale / 100);
  std::vector<double> shares;
  for (const WidthSpec& width : specs) {
    if (width.percent) {
      shares.push_back(visible * width.value * scale / 100);
    } else if (width.value > 0) {
      shares.push_back(width.value);
    } else {
      shares.push_back(left / static_cast<double>(unsized));
    }
  }
  return shares;
}

std::vector<std::int32_t> FitColumns(const std::vector<double>& shares, const std::vector<std::int32_t>& needs,
                                     std::int32_t visible) {
  if (shares.size() != needs.size()) throw std::invalid_argument("a share and a need for every column");
  std::vector<std::int32_t> widths(shares.size(), 0);
  if (visible <= 0) return widths;

  double needTotal = 0;
  for (const std::int32_t need : needs) needTotal += need;
  const Fit fit =
      needTotal <= visible ? FitEveryNeed(shares, needs, visible) : FitShortestFirst(shares, needs, visible);
  for (std::size_t i = 0; i < shares.size(); ++i) {
    const double width = fit.atNeed[i] ? needs[i] : std::floor(fit.level * shares[i]);
    widths[i] = static_cast<std::int32_t>(std::max(0.0, width));
  }
  return widths;
}

}  // namespace toolkit
