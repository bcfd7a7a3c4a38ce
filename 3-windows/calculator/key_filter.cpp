#include "3-windows/calculator/key_filter.h"

#include "1-framework/message_box.h"
#include "1-framework/text.h"

bool RejectKey(std::string_view key, bool allowMinus) {
  const std::int64_t c = fw::Asc(key);
  if ((47 < c && c < 58) || c == 8 || c == 9 || c == 46 || (allowMinus && c == 45)) return false;
  fw::Beep();
  return true;
}
