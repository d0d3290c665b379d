#include "generator/wspolne/naglowek.h"

#include "wspolne/czas.h"

namespace bryzas {

void linia_daty(Pisarz& w, const std::optional<long long>& epoka) {
  w.linia("-- dnia ", wspolne::data_str(epoka), ", godz. ", wspolne::czas_str(epoka));
}

void naglowek_danych(Pisarz& w, const std::optional<long long>& epoka) {
  w.linia("-- wygenerowano wg danych uzytkownia");
  linia_daty(w, epoka);
  w.linia();
}

}  // namespace bryzas
