/* The random numbers of the bench's generators: xorshift64*, so that one
   seed gives one input on every machine. */
#ifndef LOSOWANIE_H
#define LOSOWANIE_H

/* A number below n, from the state, which it moves on. */
static unsigned wybierz(unsigned long long *stan, unsigned n) {
  *stan ^= *stan >> 12;
  *stan ^= *stan << 25;
  *stan ^= *stan >> 27;
  return (unsigned)(((*stan * 2685821657736338717ULL) >> 33) % n);
}

#endif
