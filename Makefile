# make        build the three programs into build/
# make demo   build the three programs (no tests), then run them on the
#             shipped examples
# make check  build, then run every test: first under AddressSanitizer and
#             UndefinedBehaviorSanitizer (build-asan/), then each fuzz target
#             for FUZZ_CHECK_SECONDS (build-fuzz/, needs clang++), last the
#             normal build's tests
# make install   the three programs and their manual pages (PREFIX, DESTDIR);
#              make uninstall removes what it installed
# make losowe 1000 random grammars against the analyser (SEED picks them)
# make losowe_rozszerzone 200 random grammars in the extended notation built
#             with GNAT and run against a recogniser (SEED picks them)
# make fuzz   run each fuzz target for FUZZ_SECONDS (default 60); FUZZ_TARGETS
#             picks some, e.g. FUZZ_TARGETS=fuzz_bryzas
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS ?= 2
FUZZ_SECONDS ?= 60
FUZZ_CHECK_SECONDS ?= 20
FUZZ_TARGETS ?= fuzz_bryzas fuzz_ostrew fuzz_analiza fuzz_tokeny

.PHONY: all build demo check clean

all: build

build:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The demo needs only the three programs (no GoogleTest); their build goes
# to a log that is shown only when it fails.
DEMO_PROGRAMS = bryzas ostrew bryzas_analiza
.PHONY: programs install uninstall
programs:
	@mkdir -p $(BUILD)
	@{ cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release && \
	  cmake --build $(BUILD) -j $(JOBS) --target $(DEMO_PROGRAMS); } > $(BUILD)/demo-build.log 2>&1 || \
	  { cat $(BUILD)/demo-build.log; exit 1; }

demo:
	@echo "##### building $(DEMO_PROGRAMS) (log: $(BUILD)/demo-build.log)"
	@$(MAKE) --no-print-directory programs
	@bash examples/demo.sh $(BUILD)

# PREFIX (default /usr/local) and DESTDIR as usual; what was installed is
# listed in $(BUILD)/install_manifest.txt (without DESTDIR), which make
# uninstall removes, under the DESTDIR it is given.
PREFIX ?= /usr/local
install: programs
	@cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	@if [ -f $(BUILD)/install_manifest.txt ]; then \
	  while IFS= read -r f || [ -n "$$f" ]; do rm -f -- "$(DESTDIR)$$f"; done < $(BUILD)/install_manifest.txt && \
	  rm $(BUILD)/install_manifest.txt; \
	else echo "nothing to uninstall: no $(BUILD)/install_manifest.txt"; fi

# The tests are required here: without GoogleTest this fails, never passes empty.
.PHONY: build-tests
build-tests:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DBRYZA_TESTS=ON > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

check: build-tests
	@$(MAKE) --no-print-directory check-asan
	@$(MAKE) --no-print-directory check-fuzz
	@cd $(BUILD) && ctest -j $(JOBS) --output-on-failure

# The whole test suite once more, built with the sanitizers; the first report
# fails its test.
.PHONY: check-asan
check-asan:
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DBRYZA_SANITIZE=ON -DBRYZA_TESTS=ON > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest -j $(JOBS) --output-on-failure

# libFuzzer needs clang; without it the fuzz runs are skipped, and said so.
.PHONY: fuzz-build check-fuzz fuzz
fuzz-build:
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBRYZA_FUZZ=ON -DBRYZA_TESTS=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)

check-fuzz:
	@if command -v clang++ > /dev/null; then \
	  $(MAKE) --no-print-directory fuzz-build && \
	  bash fuzz/uruchom.sh $(FUZZ_BUILD) $(FUZZ_CHECK_SECONDS) $(FUZZ_TARGETS:fuzz_%=%); \
	else echo "fuzz runs skipped: clang++ not found"; fi

fuzz: fuzz-build
	@bash fuzz/uruchom.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS:fuzz_%=%)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# 1000 random grammars against the analyser (make check runs 100).
.PHONY: losowe
losowe: build-tests
	@python3 tests/analyzer/losowe.py $(BUILD) 1000 $${SEED:-2}

# 200 random grammars in the extended notation through GNAT (make check: 15).
.PHONY: losowe_rozszerzone
losowe_rozszerzone: build-tests
	@python3 tests/analyzer/losowe_rozszerzone.py $(BUILD) 200 $${SEED:-2}

.PHONY: bench
bench: build
	@bash bench/uruchom.sh $(BUILD)
