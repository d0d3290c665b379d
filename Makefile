# make        build both programs into build/
# make demo   build, then run both programs on the shipped examples
# make check  build, then run every test
BUILD ?= build
JOBS ?= 2

.PHONY: all build demo check clean

all: build

build:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@bash examples/demo.sh $(BUILD)

check: build
	@cd $(BUILD) && ctest -j $(JOBS) --output-on-failure

clean:
	rm -rf $(BUILD)

.PHONY: bench
bench: build
	@bash bench/uruchom.sh $(BUILD)
