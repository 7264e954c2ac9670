#include "platform/printer.h"

std::string PrintItem(long number) {
  const std::string digits = std::to_string(number < 0 ? -number : number);
  return (number < 0 ? "-" : " ") + digits + " ";
}
