# Front door of the build. Every target installs what is missing first, so the
# two set-up commands (make run, make test) work on a fresh Debian 12 machine.
BUILD        ?= build
BUILD_ASAN   ?= build-asan
BUILD_FUZZ   ?= build-fuzz
BUILD_BENCH  ?= build-bench
DEMO_CARD    ?= $(BUILD)/demo-card
FUZZ_SECONDS ?= 60
JOBS         ?= $(shell nproc)
PREFIX       ?= /usr/local

CMAKE_GEN = -G Ninja
TOOL      = $(BUILD)/src/zorva-tool

.PHONY: all deps configure build run screenshot install package test test-asan fuzz bench soak format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-demo "$(TOOL)" "$(DEMO_CARD)" $(RUN_ARGS)

# Pictures of the main window (normal, map panel, full screen) on the demo
# card, drawn offscreen: $(BUILD)/screenshots/zorva*.png.
screenshot: build
	@scripts/run-demo "$(TOOL)" "$(DEMO_CARD)" --screenshot $(BUILD)/screenshots/zorva.png

# Installs the viewer, its desktop entry, icon and AppStream data under PREFIX.
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the build, $(BUILD)/zorva_VERSION_ARCH.deb, that lintian
# finds no error in.
package: build
	@rm -f $(BUILD)/zorva_*.deb
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@lintian --fail-on error $(BUILD)/zorva_*.deb
	@ls $(BUILD)/zorva_*.deb

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	    -DZORVA_WITH_QT=OFF -DZORVA_BENCH=OFF -DZORVA_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS)

fuzz: deps
	@CXX=clang++ cmake -S . -B $(BUILD_FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DZORVA_WITH_QT=OFF -DZORVA_FUZZ=ON >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@scripts/run-fuzzers "$(BUILD_FUZZ)" "$(FUZZ_SECONDS)"

bench: deps
	@cmake -S . -B $(BUILD_BENCH) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_BENCH) -j $(JOBS)
	@scripts/run-benchmarks "$(BUILD_BENCH)"

# The viewer left to play a card through on a private X server, about ten
# minutes: its memory growth per recording, threads and open files, then the
# settings, clock and map windows opened and closed twenty times. `make bench`
# runs a two-minute version of it with the other benchmarks.
soak: deps
	@cmake -S . -B $(BUILD_BENCH) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_BENCH) -j $(JOBS) --target SoakBenchmark
	@$(BUILD_BENCH)/bench/SoakBenchmark --recordings 110 --seconds 2 --cycles 20

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ) $(BUILD_BENCH)
