# Two entry points: `make run` and `make test`. Both install what is missing
# (on Debian; elsewhere they say what is missing), configure and build first,
# so they work on a fresh machine. `make run` builds the game only; `make
# test` adds the test programs and runs them.
# `make sanitize` runs the tests built with ASan and UBSan in a build
# directory of its own; `make fuzz` runs each fuzzer for FUZZ_SECONDS;
# `make deb` builds a Debian package; `make bench` prints the figures of the
# quick benchmark run, `make bench-full` those of the long one.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Only CMake's own progress lines, not make's directory changes, and no
# configure chatter unless something goes wrong.
MAKEFLAGS += --no-print-directory
CMAKE_CONFIGURE = cmake --log-level=NOTICE

.PHONY: all deps test-deps configure build run test test-programs bench bench-full deb sanitize fuzz clean

all: build

deps:
	@scripts/install-deps.sh

test-deps:
	@scripts/install-deps.sh --tests

$(BUILD)/CMakeCache.txt: | deps
	$(CMAKE_CONFIGURE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./Plumeno

test-programs: test-deps configure
	cmake --build $(BUILD) -j $(JOBS) --target all test_programs

test: test-programs
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The click latency plays into a PulseAudio null sink: the benchmark's own
# packages, not the game's.
bench: build
	@scripts/install-deps.sh pulseaudio pulseaudio-utils
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./bench/plumeno_bench --quick

bench-full: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./bench/plumeno_bench

# A Debian package of the game (prefix /usr, stripped, its Depends computed
# from the libraries it links), written to $(BUILD)/.
deb: build
	@scripts/install-deps.sh dpkg-dev
	cd $(BUILD) && cpack -G DEB

# The README's pictures, made by playing the real program offscreen; at twice
# the size, so they stay sharp on high-density displays.
.PHONY: screenshots
screenshots: build
	cmake --build $(BUILD) -j $(JOBS) --target screenshots
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./screenshots "$(CURDIR)/docs/screens" 2

# Any sanitizer report fails its test, leaks included. The suite needs no
# leak suppression with Debian 12's Qt; should a library leak by design in a
# later one, its own frames go by name in tests/lsan-suppressions.txt, never
# a leak whose allocation runs through our code.
sanitize: test-deps
	$(CMAKE_CONFIGURE) -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPLUMENO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target all test_programs
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1 \
	    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0 \
	    ctest --output-on-failure -j $(JOBS)

fuzz:
	@scripts/install-deps.sh clang-14 libclang-rt-14-dev
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# A player who plays with `make run` keeps every file the game writes in
# $(BUILD)/ (the names and patterns of dist/player-files.txt: settings,
# ranking, extras, history, lock and any copies set aside): clean removes
# everything else there and says what it kept. Only each line's first field,
# and only names without a "/": a file inside a listed folder goes with it.
PLAYER_FILES := $(shell awk '!/^\#/ && NF && $$1 !~ "/" { print $$1 }' $(dir $(lastword $(MAKEFILE_LIST)))dist/player-files.txt)
clean:
	rm -rf $(ASAN_BUILD) $(FUZZ_BUILD)
	@if [ -d "$(BUILD)" ]; then \
	    rmdir "$(BUILD)/DATA" 2>/dev/null; \
	    find "$(BUILD)" -mindepth 1 -maxdepth 1 $(foreach f,$(PLAYER_FILES),! -name '$(f)') -exec rm -rf {} + ; \
	    kept=$$(cd "$(BUILD)" && ls -d $(PLAYER_FILES) 2>/dev/null | tr '\n' ' '); \
	    if [ -n "$$kept" ]; then \
	        echo "Kept your files in $$(cd "$(BUILD)" && pwd)/: $$kept"; \
	    else \
	        rmdir "$(BUILD)"; \
	    fi; \
	fi
