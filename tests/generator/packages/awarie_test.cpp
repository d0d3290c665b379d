// Files of the package emitters that cannot be created, written or closed:
// the failure reaches the caller as Blad_Pliku naming the file and the
// reason, and no later file of the emitter is touched.
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "srodowisko.h"

namespace testy_pak {

using bryzas::Blad_Pliku;
using Awaria = Projekt;

// Runs f, which must fail with a file error; returns that error.
template <class F>
Blad_Pliku blad_z(F f) {
  try {
    f();
  } catch (const Blad_Pliku& e) {
    return e;
  }
  ADD_FAILURE() << "no file error";
  return Blad_Pliku(Blad_Pliku::Rodzaj::otwarcie, "", 0);
}

// While it lives, files of this process cannot grow beyond `bajty` bytes and
// a write past the limit fails with EFBIG instead of killing the process.
class Limit_Rozmiaru {
public:
  explicit Limit_Rozmiaru(rlim_t bajty) {
    getrlimit(RLIMIT_FSIZE, &poprzedni_);
    sygnal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit nowy = poprzedni_;
    nowy.rlim_cur = bajty;
    setrlimit(RLIMIT_FSIZE, &nowy);
  }
  ~Limit_Rozmiaru() {
    setrlimit(RLIMIT_FSIZE, &poprzedni_);
    std::signal(SIGXFSZ, sygnal_);
  }

private:
  rlimit poprzedni_{};
  void (*sygnal_)(int) = nullptr;
};

TEST_F(Awaria, SpecyfikacjiZbiorowNieMoznaUtworzyc) {
  ASSERT_TRUE(fs::create_directory("Demo1_zbiory.ads"));
  Blad_Pliku e = blad_z([&] { emitery_.gen_zbiory(); });
  EXPECT_EQ(e.rodzaj(), Blad_Pliku::Rodzaj::utworzenie);
  EXPECT_EQ(e.plik(), "Demo1_zbiory.ads");
  EXPECT_EQ(e.opis(), "*** blad: nie mozna utworzyc pliku [Demo1_zbiory.ads]: to jest katalog");
  EXPECT_FALSE(fs::exists("Demo1_zbiory.adb"));
}

// The .ads file is complete before the .adb is attempted.
TEST_F(Awaria, TresciZbiorowNieMoznaUtworzyc) {
  ASSERT_TRUE(fs::create_directory("Demo1_zbiory.adb"));
  Blad_Pliku e = blad_z([&] { emitery_.gen_zbiory(); });
  EXPECT_EQ(e.opis(), "*** blad: nie mozna utworzyc pliku [Demo1_zbiory.adb]: to jest katalog");
  EXPECT_EQ(czytaj("Demo1_zbiory.ads"), wzorzec("zbiory_demo1", "Demo1_zbiory.ads"));
}

TEST_F(Awaria, SpecyfikacjiSkaneraNieMoznaZapisac) {
  fs::create_symlink("/dev/full", "Demo1_skan_t.ads");
  Blad_Pliku e = blad_z([&] { emitery_.gen_skaner_spec(); });
  EXPECT_EQ(e.opis(), "*** blad: nie mozna zapisac pliku [Demo1_skan_t.ads]: brak miejsca na dysku");
  EXPECT_FALSE(pak_.pl_wyskans.otwarty());
}

// Probing the main file fails for another reason than its absence.
TEST_F(Awaria, GlownejNieMoznaSprawdzic) {
  fs::create_symlink("Demo1.adb", "Demo1.adb");  // a loop of links
  Blad_Pliku e = blad_z([&] { emitery_.gen_main(); });
  EXPECT_EQ(e.rodzaj(), Blad_Pliku::Rodzaj::otwarcie);
  EXPECT_EQ(e.plik(), "Demo1.adb");
  EXPECT_EQ(e.kod_errno(), ELOOP);
  EXPECT_TRUE(fs::is_symlink("Demo1.adb"));
}

// A main file cut short would count as the user's on the next run and never
// be written again, so a failed write leaves no main file behind.
TEST_F(Awaria, NiedopisanaGlownaJestUsuwana) {
  Blad_Pliku e = blad_z([&] {
    Limit_Rozmiaru limit(40);
    emitery_.gen_main();
  });
  EXPECT_EQ(e.opis(), "*** blad: nie mozna zapisac pliku [Demo1.adb]: za duzy plik");
  EXPECT_FALSE(fs::exists("Demo1.adb"));

  emitery_.gen_main();
  EXPECT_EQ(czytaj("Demo1.adb"), wzorzec("main_demo1", "Demo1.adb"));
}

}  // namespace testy_pak
