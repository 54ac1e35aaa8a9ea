#include "actions/decimal_text.h"

#include "common/text.h"

namespace orvane {

namespace {

struct Decimal {
  std::string whole;     // no leading zeros
  std::string fraction;  // no trailing zeros
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<Decimal> ParseDecimal(const std::string& text) {
  const std::string body = TrimBlanks(text);

  const size_t point = body.find('.');
  Decimal value;
  value.whole = body.substr(0, point);
  if (point != std::string::npos) value.fraction = body.substr(point + 1);
  if (value.whole.empty() && value.fraction.empty()) return std::nullopt;
  for (char c : value.whole)
    if (!IsDigit(c)) return std::nullopt;
  for (char c : value.fraction)
    if (!IsDigit(c)) return std::nullopt;

  value.whole.erase(0, value.whole.find_first_not_of('0'));
  size_t lastNonZero = value.fraction.find_last_not_of('0');
  value.fraction.resize(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
  return value;
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

std::optional<int> CompareDecimalText(const std::string& a, const std::string& b) {
  std::optional<Decimal> left = ParseDecimal(a);
  std::optional<Decimal> right = ParseDecimal(b);
  if (!left || !right) return std::nullopt;
  if (left->whole.size() != right->whole.size())
    return left->whole.size() < right->whole.size() ? -1 : 1;
  if (int whole = left->whole.compare(right->whole)) return Sign(whole);
  return Sign(left->fraction.compare(right->fraction));
}

}  // namespace orvane
