#include "wspolne/czas.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "wspolne/tekst.h"

namespace wspolne {

namespace {

std::tm chwila(const std::optional<long long>& epoka) {
  std::tm t{};
  if (epoka) {
    std::time_t s = static_cast<std::time_t>(*epoka);
    gmtime_r(&s, &t);
  } else {
    std::time_t s = std::time(nullptr);
    localtime_r(&s, &t);
  }
  return t;
}

}  // namespace

std::optional<long long> czytaj_epoke_zrodel(const char* wartosc) {
  if (wartosc == nullptr || *wartosc == '\0') return std::nullopt;
  for (const char* c = wartosc; *c; ++c)
    if (*c < '0' || *c > '9') return std::nullopt;
  errno = 0;
  char* koniec = nullptr;
  long long n = std::strtoll(wartosc, &koniec, 10);
  // Years beyond 9999 would not fit the header's design; treat as unset.
  if (errno == ERANGE || n > 253402300799LL) return std::nullopt;
  return n;
}

std::string data_str(const std::optional<long long>& epoka) {
  std::tm t = chwila(epoka);
  return obraz(t.tm_mday) + "." + obraz(t.tm_mon + 1) + "." + obraz(t.tm_year + 1900L);
}

std::string czas_str(const std::optional<long long>& epoka) {
  std::tm t = chwila(epoka);
  long s = t.tm_hour * 3600L + t.tm_min * 60L + t.tm_sec;
  return obraz(s / 3600) + ":" + obraz((s % 3600) / 60) + ":" + obraz(s % 60);
}

}  // namespace wspolne
